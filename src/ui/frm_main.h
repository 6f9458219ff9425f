#pragma once

#include "ui/closing_reason.h"
#include "ui/promotion_labels.h"
#include "ui/window_services.h"

#include <QMainWindow>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace lumo::modHelp {
class UpdateReminder;
}

namespace lumo::ui {

// The window in which the user enters a name and a date of birth.
class frmMain final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    // `reminder` runs again, silently, as the first step of the window's load.
    frmMain(WindowServices services, modHelp::UpdateReminder& reminder);

    // Checks the entries and, when they pass, hides this window and hands on the report.
    void ShowSoulUrgeResult();
    [[nodiscard]] PromotionLabels& promotions() { return m_promotions; }

signals:
    // The entries passed their checks: the report of the name, for the result window.
    void reportReady(const QString& report);
    // The window has closed.
    void closing(lumo::ui::ClosingReason reason);

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
};

} // namespace lumo::ui
