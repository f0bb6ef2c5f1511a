#pragma once
// The editing tools of the advance map: the selection by mouse and keys, the operations on
// it from keys, buttons and a context menu, copy and paste through the clipboard, the cells
// tinted by their advance, and the curves panel. The rules are the core's (params/Map*);
// this only wires the map page's widgets to them.

#include "lang/Texts.h"
#include "params/ColourScale.h"
#include "params/MapOperations.h"
#include "settings/MapViewSettings.h"

#include <QColor>
#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QKeyEvent;
class QMenu;
class QSpinBox;
class QWidget;
class QMainWindow;

namespace vortan {

class FittingScrollArea;
class MapCurves;
class MapLegend;
class MonitorView;
class ParamSpinBox;
class ParamView;
class Session;

class MapEditing : public QObject {
    Q_OBJECT
public:
    MapEditing(QMainWindow& window, Session& session, const ParamView& params,
               MonitorView& monitor);
    ~MapEditing() override;

    const MapSelection& selection() const { return selection_; }
    // After every show of the image: hidden rows leave the selection, colours and curves follow.
    void imageShown();
    // The cell in use may have moved (every tick).
    void cursorMoved();
    void setLanguage(int language);
    void restore(const MapViewSettings& s);
    MapViewSettings viewSettings() const;
    QMenu* contextMenu() const { return menu_; }
    // What "Colours" shows instead of the advance (the run log's time in cell): per cell a
    // scale colour, or none for a plain cell. Empty: the advance.
    void setTintSource(std::function<std::optional<Rgb>(int cell)> source);
    // A trail over the cells not in use nor selected: per cell a strength 0..1.
    void setTrail(std::function<double(int cell)> strength);
    bool coloured() const { return coloured_; }
    // Paints the cells again (the tint or the trail changed).
    void repaintColours() { repaintCells(); }
    const MapCurves& curves() const { return *curves_; }

    // The operations on the selection, as the keys, buttons and the menu run them.
    void raise(int sign);
    void setValue();
    void scale();
    void interpolate(std::optional<Interpolation> how = std::nullopt);
    void smooth();
    void copy(bool withAxes);
    void paste();
    void selectAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int cellAt(QObject* o) const;
    bool handleKey(int cell, QKeyEvent* key);
    bool isOwnShortcut(QKeyEvent* key) const;
    void focusCurrent();
    void repaintCells();
    void paintCell(int row, int column, bool inUse);
    // True, said in the status bar, while an operation on the unit holds the set.
    bool held() const;
    void run(EditName name, const std::function<MapResult(const DeviceImage&)>& op);
    int editMap(EditName name, const std::function<MapResult(const DeviceImage&)>& op);
    void report(const QString& text);
    void buildMenu();
    void setColoured(bool on);
    // Scrolls the cell in use into view when it moved, unless the tuner is editing the map.
    void showCellInUse();

    QMainWindow& window_;
    Session& session_;
    const ParamView& params_;
    std::array<ParamSpinBox*, 100> cells_{};
    MapSelection selection_;
    bool dragging_ = false;
    bool coloured_ = false;
    int low_ = 0;
    int high_ = 60;
    int language_ = 1;
    QWidget* page_ = nullptr;
    FittingScrollArea* area_ = nullptr; // the map page's scroll area
    int cellInUse_ = -1;                // as last brought into view; -1 for none
    QSpinBox* step_ = nullptr;
    QCheckBox* colours_ = nullptr;
    QCheckBox* curvesBox_ = nullptr;
    MapLegend* legend_ = nullptr;
    QMenu* menu_ = nullptr;
    QMenu* interpolateMenu_ = nullptr;
    std::vector<std::pair<QAction*, int>> actions_; // with their MapEditText
    std::unique_ptr<MapCurves> curves_;
    std::function<std::optional<Rgb>(int)> tintSource_;
    std::function<double(int)> trail_;
    QColor windowColour_;
    QColor text_;
    QColor highlight_;
    QColor highlightedText_;
};

} // namespace vortan
