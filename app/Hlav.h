#pragma once
// The main window: the view of the session (the parameter set, the live monitor and the link to
// the unit). It builds the controls and makes the views and commands that wire them to the
// session and draw what it reports (they share app/WindowContext.h); it runs the start-up, the
// tick and the shut-down. The serial link and the timer are its own and drive the session.

#include "app/MainWindow.h"
#include "settings/CommandLine.h"
#include "settings/IniFile.h"

// For the forwarders below, and what the tests that include this header took from it before the
// window was split; they go with the forwarders.
#include "app/DiffReportView.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/HelpCommands.h"
#include "app/ParamView.h"
#include "app/PortCommands.h"
#include "app/PrintCommands.h"
#include "app/RunLog.h"
#include "app/UnitCommands.h"
#include "app/WindowContext.h"
#include "app/WindowPages.h"
#include "link/SerialLink.h"
#include "params/MapOperations.h"
#include "params/Messages.h"
#include "session/Session.h"
#include "settings/MapViewSettings.h"
#include "settings/SettingsWriteReport.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QPagedPaintDevice;

namespace vortan {
class CloseFlow;
class DiffReportView;
class EditCommands;
class FileCommands;
class LanguageView;
class MapEditing;
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

    // ---- forwarders: until tests drive the window by objectName -----------------------------
    // clang-format off
    explicit TFormHlav(const QStringList& arguments, QWidget* parent = nullptr) : TFormHlav(parseCommandLine(arguments), parent) {} // forwarder: until tests drive the window by objectName
    void ReadControls() { context_->params.read(session_->image()); } // forwarder: until tests drive the window by objectName
    void ShowImage() { pages_->showImage(); } // forwarder: until tests drive the window by objectName
    void ChangeHandler() { edits_->changeHandler(); } // forwarder: until tests drive the window by objectName
    void CommitControls() { edits_->commitControls(); } // forwarder: until tests drive the window by objectName
    void ComboBox1Change() { edits_->chooseBike(); } // forwarder: until tests drive the window by objectName
    void MenuUndoClick() { edits_->undo(); } // forwarder: until tests drive the window by objectName
    void MenuReadClick() { unit_->read(); } // forwarder: until tests drive the window by objectName
    void MenuVerifyClick() { unit_->verify(); } // forwarder: until tests drive the window by objectName
    void MenuProgramClick() { unit_->program(); } // forwarder: until tests drive the window by objectName
    void MenuCom1Click(int port) { ports_->choosePort(port); } // forwarder: until tests drive the window by objectName
    void openPort() { ports_->openPort(); } // forwarder: until tests drive the window by objectName
    void closePort() { ports_->closePort(); } // forwarder: until tests drive the window by objectName
    void applyPortSettings(const std::array<QString, 10>& stored) { ports_->applyPortSettings(stored); } // forwarder: until tests drive the window by objectName
    void MenuNewClick() { files_->newSet(); } // forwarder: until tests drive the window by objectName
    bool saveParamFile(const QString& path) { return files_->saveFile(path); } // forwarder: until tests drive the window by objectName
    bool openParamFile(const QString& path) { return files_->openFile(path); } // forwarder: until tests drive the window by objectName
    bool compareWithFile(const QString& path) { return files_->compareWithFile(path); } // forwarder: until tests drive the window by objectName
    void SpeedButtonPrintClick() { print_->printOnDefault(); } // forwarder: until tests drive the window by objectName
    void printSheet(QPagedPaintDevice& device) { print_->printPicture(device); } // forwarder: until tests drive the window by objectName
    void MenuContensClick() { vortan::openManual(*context_); } // forwarder: until tests drive the window by objectName
    void applyLanguage(int language) { switchLanguage(language); } // forwarder: until tests drive the window by objectName
    void MenuEnglishClick() { switchLanguage(vortan::English); } // forwarder: until tests drive the window by objectName
    void MenuCzechClick() { switchLanguage(vortan::Czech); } // forwarder: until tests drive the window by objectName
    void MenuGermanClick() { switchLanguage(vortan::German); } // forwarder: until tests drive the window by objectName
    std::string captionOf(const char* textId) const { return context_->captionOf(textId); } // forwarder: until tests drive the window by objectName
    vortan::MapEditing& mapEditing() { return pages_->mapEditing(); } // forwarder: until tests drive the window by objectName
    void ShowMonitorPacket(const std::uint8_t* frame) { session_->takeMonitorFrame(frame); } // forwarder: until tests drive the window by objectName
    void UpdateMapCursor() { pages_->markCursor(); } // forwarder: until tests drive the window by objectName
    void showDiffReport() { report_->show(); } // forwarder: until tests drive the window by objectName
    bool startRecording(const QString& path) { return runLog_->startRecording(path); } // forwarder: until tests drive the window by objectName
    void stopRecording() { runLog_->stopRecording(); } // forwarder: until tests drive the window by objectName
    bool openReplay(const QString& path) { return runLog_->openReplay(path); } // forwarder: until tests drive the window by objectName
    // clang-format on

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
