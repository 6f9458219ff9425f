#pragma once

#include "ui/closing_reason.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace lumo::platform {
class Clock;
class RandomSource;
class UserMessages;
} // namespace lumo::platform

namespace lumo::modHelp {
class PageLauncher;
}

namespace lumo::ui {

class ReferralForm;

struct ExitScreenServices {
    platform::UserMessages& messages;
    modHelp::PageLauncher& pages;
    platform::Clock& clock;
    platform::RandomSource& random;
    // The longest address, in characters, that the system hands to the browser whole.
    qsizetype longestWebAddress;
};

// The exit screen: a plea for support, two links and the refer-a-friend form. Stays on top.
class frmNagScreen2 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmNagScreen2)

public:
    explicit frmNagScreen2(ExitScreenServices services);

signals:
    // The screen has closed, through its Exit button or otherwise: the program is to end.
    void closing(lumo::ui::ClosingReason reason);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void Check1_Click();
    void cmdSubmit_Click();

    ExitScreenServices m_services;
    ReferralForm* m_referral = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblNagScreen2Caption = nullptr;
    QLabel* picNagscreen2Icon = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace lumo::ui
