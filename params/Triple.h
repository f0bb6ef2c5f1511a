#pragma once
// One text in the three languages, and the choice of one by the language index
// (0 Czech, 1 English, 2 German; any other index picks no text).

namespace vortan {

struct Triple {
    const char* czech;
    const char* english;
    const char* german;
};

inline const char* pick(const Triple& t, int language) {
    switch (language) {
    case 0:
        return t.czech;
    case 1:
        return t.english;
    case 2:
        return t.german;
    default:
        return "";
    }
}

} // namespace vortan
