#include "app/ParamControls.h"

#include <QHash>

namespace vortan::ParamControls {

namespace {
QHash<int, QString>& fields() {
    static QHash<int, QString> byByte;
    return byByte;
}
QHash<QString, QString>& captions() {
    static QHash<QString, QString> byText;
    return byText;
}
} // namespace

void placeField(int byte, const QString& objectName) {
    fields().insert(byte, objectName);
}

void placeCaption(const char* textId, const QString& objectName) {
    captions().insert(QString::fromUtf8(textId), objectName);
}

QString fieldName(int byte) {
    return fields().value(byte);
}

QString captionName(const char* textId) {
    const QString id = QString::fromUtf8(textId);
    return captions().value(id, id);
}

} // namespace vortan::ParamControls
