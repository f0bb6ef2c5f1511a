#include "app/ParamControls.h"

#include <QHash>

namespace vortan::ParamControls {

namespace {
QHash<int, QString>& fields() {
    static QHash<int, QString> byByte;
    return byByte;
}
// The captions of the form's controls that show no parameter, by their text ids.
QHash<QString, QString>& captions() {
    static QHash<QString, QString> byText{
        {"ReadButton", "Button1"},
        {"ProgramButton", "BitBtn1"},
        {"VerifyButton", "BitBtn2"},
        {"AdvanceAll", "CheckBoxIgnAll"},
        {"ProgrammingAfterChange", "CheckBoxProgHned"},
        {"FileCaption", "LabelFile1"},
        {"ServoAll", "CheckBoxPrivAll"},
        {"SpeedAxis", "Label26"},
        {"UnitVersion", "LabelVerze1"},
        {"UnitDate", "LabelVerze2"},
        {"UnitTime", "LabelVerze3"},
        {"AdvanceMinus", "BitBtnAdvMinus"},
        {"AdvancePlus", "BitBtnAdvPlus"},
        {"Differences", "ButtonDifferences"},
        {"MapStep", "LabelMapStep"},
        {"MapLower", "ButtonMapLower"},
        {"MapRaise", "ButtonMapRaise"},
        {"MapSet", "ButtonMapSet"},
        {"MapScale", "ButtonMapScale"},
        {"MapInterpolate", "ButtonMapInterpolate"},
        {"MapSmooth", "ButtonMapSmooth"},
        {"MapColours", "CheckBoxMapColours"},
        {"MapCurves", "CheckBoxMapCurves"},
        {"MapAll", "ButtonMapAll"},
    };
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
