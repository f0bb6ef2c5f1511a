#include "app/Application.h"

#include "Version.h"

#include "controls/ToolIcons.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>

namespace {
// Fusion, with the group box frame and the menu bar's extension icon drawn: Fusion reads
// them from image files, and the first image read loads every image-format plugin, which a
// start need not wait for.
class AppStyle : public QProxyStyle {
public:
    AppStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Fusion's frame: a faint rounded line around a faintly darker field, below the title.
        constexpr int kTitleGap = 3;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int top = box && !box->isCheckable() && box->title().isEmpty()
                            ? kTitleGap
                            : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                       option->fontMetrics.height()) +
                                  kTitleGap;
        const QRectF frame =
            QRectF(option->rect.adjusted(0, top, 0, 0)).adjusted(1.5, 1.5, -0.5, -0.5);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QColor(117, 117, 117, 50));
        painter->setBrush(QColor(0, 0, 0, 3));
        painter->drawRoundedRect(frame, 2, 2);
        painter->restore();
    }

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return vortan::toolIcon(vortan::ToolGlyph::More);
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};
} // namespace

void configureApplication() {
    QApplication::setApplicationName("Vortan2");
    QApplication::setApplicationVersion(VORTAN2_VERSION);
    QApplication::setStyle(new AppStyle);
}
