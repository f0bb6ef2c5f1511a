#pragma once
// The main window: the view of the session (the parameter set, the live monitor and the link to
// the unit). It builds the controls and makes the views and commands that wire them to the
// session and draw what it reports (they share app/WindowContext.h); it runs the start-up, the
// tick and the shut-down. The serial link and the timer are its own and drive the session.

#include "app/MainWindow.h"
#include "settings/CommandLine.h"
#include "settings/IniFile.h"

#include <QMainWindow>
#include <memory>

namespace vortan {
class CloseFlow;
class DiffReportView;
class EditCommands;
class FileCommands;
class LanguageView;
class MessageView;
class MonitorView;
class ParamView;
class PortCommands;
class PrintCommands;
class RangeMessages;
class RunLog;
class SerialLink;
class Session;
class SetStatusView;
class UnitCommands;
class WindowPages;
class WindowSettings;
struct WindowContext;
} // namespace vortan

class TFormHlav : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormHlav(const CommandLine& commandLine, QWidget* parent = nullptr);
    ~TFormHlav() override;

    // Runs the start-up steps; called once after construction.
    void FormCreate();
    // The shut-down steps, once; run by the close event.
    void FormClose();
    // True once FormClose has run (a signal may close the window during start-up).
    bool isClosed() const;
    // One 55 ms tick (vortan::Tick): drain, operation, countdown, connection indicator, map
    // cursor; the replay moved on before it, the waiting close, the log and the report after.
    void Timer1Timer();
    // The pages after the first built now, as once the tuner has opened each.
    void ensureAllPages();
    // Uses this device instead of the port's configured one (the demo and tests).
    void setPortOverride(const QString& devicePath);
    // Tests answer the message boxes here (text, informative text) instead of their being
    // shown; an empty hook shows them again. (The box that asks before values outside their
    // ranges are programmed, objectName "BoxProgramOutOfRange", is always shown.)
    void divertBoxes(vortan::mainwindow::BoxHook hook);
    // The session the window shows, and its link to the unit.
    vortan::Session& session() { return *session_; }
    vortan::SerialLink& link() { return *link_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The menu items wired to the commands.
    void buildMenus();
    // The fields, boxes and buttons under `under` wired to their commands.
    void connectControls(QWidget* under);
    // What the session reports, drawn.
    void connectSession();
    // Applies the language index 0 Czech, 1 English, 2 German to every view.
    void switchLanguage(int language);

    // Made before the session, which holds it.
    std::unique_ptr<vortan::SerialLink> link_;
    std::unique_ptr<vortan::Session> session_;
    vortan::IniFile ini_;
    CommandLine commandLine_;
    std::unique_ptr<vortan::ParamView> params_;
    std::unique_ptr<vortan::MonitorView> monitorView_;
    std::unique_ptr<vortan::LanguageView> languageView_;
    // What the views and commands share; made once the views are.
    std::unique_ptr<vortan::WindowContext> context_;
    std::unique_ptr<vortan::PortCommands> ports_;
    std::unique_ptr<vortan::SetStatusView> status_;
    std::unique_ptr<vortan::WindowPages> pages_;
    std::unique_ptr<vortan::RunLog> runLog_;
    std::unique_ptr<vortan::MessageView> messages_;
    std::unique_ptr<vortan::DiffReportView> report_;
    std::unique_ptr<vortan::RangeMessages> ranges_;
    std::unique_ptr<vortan::UnitCommands> unit_;
    std::unique_ptr<vortan::EditCommands> edits_;
    std::unique_ptr<vortan::FileCommands> files_;
    std::unique_ptr<vortan::PrintCommands> print_;
    std::unique_ptr<vortan::CloseFlow> close_;
    std::unique_ptr<vortan::WindowSettings> settings_;
};
