#pragma once

#include "ui/promotion_labels.h"
#include "ui/window_services.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumo::modHelp {
class UpdateReminder;
}

namespace lumo::ui {

class frmSoulUrge;

// The window in which the user enters a name and a date of birth.
class frmMain final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    // `reminder` runs again, silently, as the first step of the window's load.
    frmMain(WindowServices services, modHelp::UpdateReminder& reminder);
    ~frmMain() override;

    // Checks the entries and, when they pass, hides this window and shows the report.
    void ShowSoulUrgeResult();
    // The result window of the last Next, while it is open.
    [[nodiscard]] frmSoulUrge* resultWindow() const;
    [[nodiscard]] PromotionLabels& promotions() { return m_promotions; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls(QWidget& client);
    void createMenus();
    void chainTabOrder();
    void Form_Load();
    [[nodiscard]] bool ValidateEntries();
    void showMessage(const char* text);
    void cmdExit_Click();
    void showAbout();

    WindowServices m_services;
    modHelp::UpdateReminder& m_reminder;
    PromotionLabels m_promotions;
    QGroupBox* fraName = nullptr;
    QGroupBox* fraBirthDay = nullptr;
    QLineEdit* txtFirstName = nullptr;
    QLineEdit* txtMiddleName = nullptr;
    QLineEdit* txtLastName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdExit = nullptr;
    QPointer<frmSoulUrge> m_result;
};

} // namespace lumo::ui
