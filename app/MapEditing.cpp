#include "app/MapEditing.h"
#include "app/FindChild.h"

#include "app/MapCurves.h"
#include "app/MapLegend.h"
#include "app/MonitorView.h"
#include "app/ParamView.h"
#include "controls/FittingScrollArea.h"
#include "controls/ParamSpinBox.h"
#include "lang/MapEditTexts.h"
#include "monitor/CellTrail.h"
#include "params/MapCellLook.h"
#include "params/MapClipboard.h"
#include "params/RangeTexts.h"
#include "session/Session.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStatusBar>
#include <algorithm>

using namespace vortan;

namespace vortan {

namespace {
const QColor kLime(0x00, 0xFF, 0x00);

QString text(MapEditText t, int language) {
    return QString::fromStdString(mapEditText(t, language));
}

void setBase(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    if (p.color(QPalette::Base) == colour)
        return;
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
}
} // namespace

MapEditing::MapEditing(QMainWindow& window, Session& session, const ParamView& params,
                       MonitorView& monitor)
    : window_(window), session_(session), params_(params) {
    const QPalette palette = window.palette();
    windowColour_ = palette.color(QPalette::Base);
    text_ = palette.color(QPalette::Text);
    highlight_ = palette.color(QPalette::Highlight);
    highlightedText_ = palette.color(QPalette::HighlightedText);
    for (int i = 0; i < 100; ++i) {
        ParamSpinBox* cell = params.mapCell(i / 10, i % 10);
        cells_[std::size_t(i)] = cell;
        cell->installEventFilter(this);
        cell->findChild<QLineEdit*>()->installEventFilter(this);
    }
    page_ = cells_[0]->parentWidget();
    for (QWidget* w = page_; w && !area_; w = w->parentWidget())
        area_ = qobject_cast<FittingScrollArea*>(w);
    step_ = requiredChild<QSpinBox>(&window, "SpinBoxMapStep");
    colours_ = requiredChild<QCheckBox>(&window, "CheckBoxMapColours");
    curvesBox_ = requiredChild<QCheckBox>(&window, "CheckBoxMapCurves");
    legend_ = requiredChild<MapLegend>(&window, "MapColourLegend");
    curves_ = std::make_unique<MapCurves>(window);

    auto button = [this, &window](const char* name, auto slot) {
        connect(requiredChild<QAbstractButton>(&window, name), &QAbstractButton::clicked, this,
                slot);
    };
    button("ButtonMapLower", [this] { raise(-1); });
    button("ButtonMapRaise", [this] { raise(+1); });
    button("ButtonMapSet", [this] { setValue(); });
    button("ButtonMapScale", [this] { scale(); });
    button("ButtonMapInterpolate", [this] { interpolate(); });
    button("ButtonMapSmooth", [this] { smooth(); });
    button("ButtonMapAll", [this] { selectAll(); });
    connect(colours_, &QCheckBox::toggled, this, &MapEditing::setColoured);
    connect(curvesBox_, &QCheckBox::toggled, this,
            [this](bool on) { curves_->setShown(on, session_.image(), session_.cursor()); });
    buildMenu();
    monitor.setCellPainter(
        [this](int row, int column, bool inUse) { paintCell(row, column, inUse); });
}

MapEditing::~MapEditing() = default;

void MapEditing::buildMenu() {
    menu_ = new QMenu(&window_);
    menu_->setObjectName("MapContextMenu");
    auto add = [this](QMenu* m, MapEditText t, const QKeySequence& key, auto slot) {
        QAction* a = m->addAction(QString());
        a->setShortcut(key);
        a->setShortcutVisibleInContextMenu(true);
        connect(a, &QAction::triggered, this, slot);
        actions_.push_back({a, int(t)});
        return a;
    };
    add(menu_, MapEditText::Raise, QKeySequence(Qt::Key_Plus), [this] { raise(+1); });
    add(menu_, MapEditText::Lower, QKeySequence(Qt::Key_Minus), [this] { raise(-1); });
    add(menu_, MapEditText::Set, QKeySequence(Qt::Key_Equal), [this] { setValue(); });
    add(menu_, MapEditText::Scale, QKeySequence(Qt::Key_Asterisk), [this] { scale(); });
    interpolateMenu_ = menu_->addMenu(QString());
    add(interpolateMenu_, MapEditText::Horizontal, QKeySequence(),
        [this] { interpolate(Interpolation::Horizontal); });
    add(interpolateMenu_, MapEditText::Vertical, QKeySequence(),
        [this] { interpolate(Interpolation::Vertical); });
    add(interpolateMenu_, MapEditText::Corners, QKeySequence(),
        [this] { interpolate(Interpolation::Corners); });
    add(menu_, MapEditText::Smooth, QKeySequence(Qt::Key_S), [this] { smooth(); });
    menu_->addSeparator();
    add(menu_, MapEditText::Copy, QKeySequence::Copy, [this] { copy(false); });
    add(menu_, MapEditText::CopyWithAxes, QKeySequence(), [this] { copy(true); });
    add(menu_, MapEditText::Paste, QKeySequence::Paste, [this] { paste(); });
    menu_->addSeparator();
    add(menu_, MapEditText::SelectAll, QKeySequence("Ctrl+Shift+A"), [this] { selectAll(); });
    // The keys are the map's own (eventFilter); the menu only shows them.
    for (auto& [action, t] : actions_)
        action->setShortcutContext(Qt::WidgetShortcut);
}

void MapEditing::setLanguage(int language) {
    language_ = language;
    for (auto& [action, t] : actions_)
        action->setText(text(MapEditText(t), language));
    interpolateMenu_->setTitle(text(MapEditText::Interpolate, language));
    curves_->setLanguage(language);
}

// ---- selection --------------------------------------------------------------------------

int MapEditing::cellAt(QObject* o) const {
    for (int i = 0; i < 100; ++i) {
        ParamSpinBox* cell = cells_[std::size_t(i)];
        if (o == cell || o->parent() == cell)
            return i;
    }
    return -1;
}

void MapEditing::focusCurrent() {
    const MapCell c = selection_.current();
    cells_[std::size_t(cellIndex(c))]->setFocus(Qt::OtherFocusReason);
    repaintCells();
}

void MapEditing::selectAll() {
    selection_.selectAll();
    repaintCells();
}

bool MapEditing::isOwnShortcut(QKeyEvent* key) const {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste))
        return true;
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && key->key() == Qt::Key_A)
        return true;
    return (mods & Qt::ControlModifier) &&
           (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Up ||
            key->key() == Qt::Key_Down);
}

bool MapEditing::handleKey(int cell, QKeyEvent* key) {
    // A cell that got the focus without a click or a move (at start-up, say) is where the
    // keys act.
    if (selection_.cells().none()) {
        selection_.click({cell / 10, cell % 10});
        repaintCells();
    }
    // Before the Ctrl keys: Shift+Insert pastes and Ctrl+Insert copies as well.
    if (key->matches(QKeySequence::Copy)) {
        copy(false);
        return true;
    }
    if (key->matches(QKeySequence::Paste)) {
        paste();
        return true;
    }
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods & Qt::ControlModifier) {
        int rows = 0;
        int columns = 0;
        switch (key->key()) {
        case Qt::Key_Left:
            columns = -1;
            break;
        case Qt::Key_Right:
            columns = 1;
            break;
        case Qt::Key_Up:
            rows = -1;
            break;
        case Qt::Key_Down:
            rows = 1;
            break;
        default:
            break;
        }
        if (rows || columns) {
            if (mods & Qt::ShiftModifier)
                selection_.extend(rows, columns);
            else
                selection_.move(rows, columns);
            focusCurrent();
            return true;
        }
        if ((mods & Qt::ShiftModifier) && key->key() == Qt::Key_A) {
            selectAll();
            return true;
        }
        return false;
    }
    const QString t = key->text();
    if (t == "+")
        raise(+1);
    else if (t == "-")
        raise(-1);
    else if (t == "=")
        setValue();
    else if (t == "*")
        scale();
    else if (t == "/")
        interpolate();
    else if (t == "s" || t == "S")
        smooth();
    else
        return false;
    return true;
}

bool MapEditing::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease && type != QEvent::KeyPress &&
        type != QEvent::ShortcutOverride && type != QEvent::ContextMenu && type != QEvent::FocusIn)
        return false;
    const int i = cellAt(watched);
    if (i < 0)
        return false;
    const MapCell cell{i / 10, i % 10};
    switch (type) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (m->button() != Qt::LeftButton)
            return false;
        dragging_ = true;
        if (m->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
            if (m->modifiers() & Qt::ShiftModifier)
                selection_.extendTo(cell);
            else
                selection_.toggle(cell);
            cells_[std::size_t(i)]->setFocus(Qt::MouseFocusReason);
            repaintCells();
            return true;
        }
        selection_.click(cell);
        repaintCells();
        return false;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (!dragging_ || !(m->buttons() & Qt::LeftButton))
            return false;
        QWidget* under = page_->childAt(page_->mapFromGlobal(m->globalPosition().toPoint()));
        const int j = under ? cellAt(under) : -1;
        if (j >= 0 && !(selection_.current() == MapCell{j / 10, j % 10})) {
            selection_.extendTo({j / 10, j % 10});
            repaintCells();
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        return false;
    case QEvent::FocusIn: {
        // A cell reached by Tab (or Enter) becomes the selection, or inside it the focused
        // cell; clicks and moves chose theirs already.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
            return false;
        if (selection_.contains(cell)) {
            selection_.focus(cell);
        } else {
            selection_.click(cell);
            repaintCells();
        }
        return false;
    }
    case QEvent::ContextMenu: {
        if (!selection_.contains(cell)) {
            selection_.click(cell);
            cells_[std::size_t(i)]->setFocus(Qt::MouseFocusReason);
            repaintCells();
        }
        menu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    case QEvent::ShortcutOverride: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isOwnShortcut(key)) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress:
        return handleKey(i, static_cast<QKeyEvent*>(event));
    default:
        return false;
    }
}

// ---- painting ----------------------------------------------------------------------------

void MapEditing::paintCell(int row, int column, bool inUse) {
    ParamSpinBox* cell = cells_[std::size_t(row * 10 + column)];
    CellLook look =
        cellLook(inUse, selection_.contains({row, column}), coloured_, cell->value(), low_, high_);
    const int index = row * 10 + column;
    if (look.background == CellBackground::Scale && tintSource_) {
        const std::optional<Rgb> tint = tintSource_(index);
        look.background = tint ? CellBackground::Scale : CellBackground::Window;
        look.scale = tint.value_or(Rgb{});
    }
    const double trail = trail_ ? trail_(index) : 0.0;
    if (trail > 0 &&
        (look.background == CellBackground::Window || look.background == CellBackground::Scale)) {
        const Rgb under =
            look.background == CellBackground::Scale
                ? look.scale
                : Rgb{windowColour_.red(), windowColour_.green(), windowColour_.blue()};
        look = {CellBackground::Scale, trailColour(under, trail)};
    }
    switch (look.background) {
    case CellBackground::InUse:
        setBase(cell, kLime);
        cell->setPlainTextColour(text_);
        break;
    case CellBackground::Selected:
        setBase(cell, highlight_);
        cell->setPlainTextColour(highlightedText_);
        break;
    case CellBackground::Scale: {
        const Rgb on = textColourOn(look.scale);
        setBase(cell, QColor(look.scale.red, look.scale.green, look.scale.blue));
        cell->setPlainTextColour(QColor(on.red, on.green, on.blue));
        break;
    }
    case CellBackground::Window:
        setBase(cell, windowColour_);
        cell->setPlainTextColour(text_);
        break;
    }
}

void MapEditing::setTintSource(std::function<std::optional<Rgb>(int cell)> source) {
    tintSource_ = std::move(source);
    legend_->setVisible(coloured_ && !tintSource_); // the legend is in degrees
    repaintCells();
}

void MapEditing::setTrail(std::function<double(int cell)> strength) {
    trail_ = std::move(strength);
}

void MapEditing::repaintCells() {
    const MapCursor& c = session_.cursor();
    for (int r = 0; r < 10; ++r)
        for (int col = 0; col < 10; ++col)
            paintCell(r, col, !c.belowMap && c.row == r && c.column == col);
}

void MapEditing::setColoured(bool on) {
    coloured_ = on;
    legend_->setVisible(on && !tintSource_);
    imageShown();
}

void MapEditing::imageShown() {
    const DeviceImage& image = session_.image();
    selection_.setThrottleMap(image[Byte::TPS_MAPA] != 0);
    if (coloured_) {
        int low = kMaxAdvance;
        int high = kMinAdvance;
        for (int r = 0; r < 10; ++r)
            if (isVisibleRow(r, selection_.throttleMap()))
                for (int c = 0; c < 10; ++c) {
                    low = std::min<int>(low, image.map(r, c));
                    high = std::max<int>(high, image.map(r, c));
                }
        low_ = std::min(low, high);
        high_ = high;
        legend_->setRange(low_, high_);
    }
    repaintCells();
    curves_->update(image, session_.cursor());
}

void MapEditing::cursorMoved() {
    curves_->update(session_.image(), session_.cursor());
    showCellInUse();
}

void MapEditing::showCellInUse() {
    const MapCursor& c = session_.cursor();
    const int cell = c.belowMap ? -1 : c.row * 10 + c.column;
    if (cell == cellInUse_)
        return;
    // Not while a cell has the focus or a selection is being dragged, nor while the pointer
    // is over the map (about to click there, or dragging its scroll bar): the view stays
    // where the tuner works, and follows the cell in use at the first tick after.
    QWidget* focus = QApplication::focusWidget();
    const bool pointed =
        area_ && area_->isVisible() && area_->rect().contains(area_->mapFromGlobal(QCursor::pos()));
    if (dragging_ || pointed || (focus && cellAt(focus) >= 0))
        return;
    cellInUse_ = cell;
    if (cell >= 0 && area_)
        area_->ensureShown(cells_[std::size_t(cell)]);
}

void MapEditing::restore(const MapViewSettings& s) {
    colours_->setChecked(s.colours);
    curvesBox_->setChecked(s.curves);
}

MapViewSettings MapEditing::viewSettings() const {
    return {colours_->isChecked(), curvesBox_->isChecked()};
}

// ---- operations --------------------------------------------------------------------------

void MapEditing::report(const QString& message) {
    if (message.isEmpty())
        window_.statusBar()->clearMessage();
    else
        window_.statusBar()->showMessage(message, 10000);
}

bool MapEditing::held() const {
    return session_.refuseWhileLocked(SetCommand::ChangeValues);
}

// The typed values taken, the operation as one edit, the change handler; the cells clipped.
int MapEditing::editMap(EditName name, const std::function<MapResult(const DeviceImage&)>& op) {
    int clipped = 0;
    Edit edit;
    edit.name = name;
    edit.change = [&op, &clipped](const DeviceImage& typed) {
        const MapResult result = op(typed);
        clipped = result.clipped;
        return result.image;
    };
    session_.change(edit);
    return clipped;
}

void MapEditing::run(EditName name, const std::function<MapResult(const DeviceImage&)>& op) {
    if (selection_.cells().none() || held())
        return;
    const int clipped = editMap(name, op);
    report(clipped ? text(MapEditText::Clipped, language_).arg(clipped) : QString());
}

void MapEditing::raise(int sign) {
    const int degrees = sign * step_->value();
    const MapMask cells = selection_.cells();
    run(sign > 0 ? EditName::MapRaise : EditName::MapLower,
        [&](const DeviceImage& image) { return raiseCells(image, cells, degrees); });
}

void MapEditing::setValue() {
    if (selection_.cells().none() || held())
        return;
    const MapCell c = selection_.current();
    const int current = session_.image().map(c.row, c.column);
    bool ok = false;
    // Wider than the map's range: a number typed whole is refused whole, as in the map's fields,
    // not cut to the digits that fit ("65" read as 6).
    const int value =
        QInputDialog::getInt(&window_, text(MapEditText::SetTitle, language_),
                             text(MapEditText::SetLabel, language_), current, -999, 999, 1, &ok);
    if (!ok)
        return;
    if (value < kMinAdvance || value > kMaxAdvance) {
        report(QString::fromStdString(rangeText(RangeText::TypedRefused, language_))
                   .arg(text(MapEditText::SetTitle, language_))
                   .arg(value)
                   .arg(kMinAdvance)
                   .arg(kMaxAdvance)
                   .arg(current));
        return;
    }
    const MapMask cells = selection_.cells();
    run(EditName::MapSet, [&](const DeviceImage& image) { return setCells(image, cells, value); });
}

void MapEditing::scale() {
    if (selection_.cells().none() || held())
        return;
    bool ok = false;
    const int percent =
        QInputDialog::getInt(&window_, text(MapEditText::ScaleTitle, language_),
                             text(MapEditText::ScaleLabel, language_), 100, 0, 1000, 1, &ok);
    if (!ok)
        return;
    const MapMask cells = selection_.cells();
    run(EditName::MapScale,
        [&](const DeviceImage& image) { return scaleCells(image, cells, percent); });
}

void MapEditing::interpolate(std::optional<Interpolation> how) {
    const MapMask cells = selection_.cells();
    const MapBounds b = boundsOf(cells);
    if (b.rows() * b.columns() < 2 || held())
        return;
    if (!how)
        how = obviousInterpolation(cells);
    if (!how) {
        const QStringList items = {text(MapEditText::Horizontal, language_),
                                   text(MapEditText::Vertical, language_),
                                   text(MapEditText::Corners, language_)};
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            &window_, text(MapEditText::InterpolateTitle, language_),
            text(MapEditText::InterpolateLabel, language_), items, 2, false, &ok);
        if (!ok)
            return;
        how = Interpolation(std::max<qsizetype>(0, items.indexOf(chosen)));
    }
    const Interpolation direction = *how;
    run(EditName::MapInterpolate,
        [&](const DeviceImage& image) { return interpolateCells(image, cells, direction); });
}

void MapEditing::smooth() {
    const MapMask cells = selection_.cells();
    run(EditName::MapSmooth, [&](const DeviceImage& image) { return smoothCells(image, cells); });
}

void MapEditing::copy(bool withAxes) {
    if (selection_.cells().none())
        return;
    DeviceImage typed = session_.image();
    params_.read(typed);
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(copyCells(typed, selection_.cells(), withAxes)));
}

void MapEditing::paste() {
    if (held())
        return;
    const ParsedBlock parsed = parseBlock(QGuiApplication::clipboard()->text().toStdString());
    PasteProblem problem = parsed.problem;
    PasteResult pasted;
    if (problem == PasteProblem::None) {
        pasted = pasteBlock(session_.image(), parsed.block, selection_);
        problem = pasted.problem;
    }
    switch (problem) {
    case PasteProblem::None:
        break;
    case PasteProblem::NoNumbers:
        return report(text(MapEditText::PasteNoNumbers, language_));
    case PasteProblem::NotANumber:
        return report(
            text(MapEditText::PasteNotANumber, language_).arg(QString::fromStdString(parsed.word)));
    case PasteProblem::EmptyField:
        return report(text(MapEditText::PasteEmptyField, language_));
    case PasteProblem::Ragged:
        return report(text(MapEditText::PasteRagged, language_));
    case PasteProblem::DoesNotFit:
        return report(text(MapEditText::PasteDoesNotFit, language_)
                          .arg(parsed.block.rows)
                          .arg(parsed.block.columns));
    }
    const MapBlock block = parsed.block;
    const MapSelection selection = selection_;
    const int clipped = editMap(EditName::MapPaste, [&](const DeviceImage& image) {
        return pasteBlock(image, block, selection).result;
    });
    selection_.select(pasted.filled); // the tuner sees what came in
    repaintCells();
    report(clipped ? text(MapEditText::Clipped, language_).arg(clipped) : QString());
}

} // namespace vortan
