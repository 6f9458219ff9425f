#include "ui/frm_nag_screen2.h"

#include "common/qt_text.h"
#include "platform/clock.h"
#include "platform/desktop_session.h"
#include "platform/random_source.h"
#include "platform/user_messages.h"
#include "ui/app_icon.h"
#include "ui/clickable_label.h"
#include "ui/referral_form.h"
#include "ui/theme.h"
#include "ui/ui_texts.h"
#include "ui/whole_box_check_box.h"
#include "ui/window_chrome.h"
#include "web/mod_help.h"
#include "web/mod_tell_a_friend.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace lumo::ui {

using chrome::twipsRect;

namespace {
constexpr QSize kClientSize{chrome::px(11115), chrome::px(4725)};
constexpr int kSupportTextCount = static_cast<int>(std::size(texts::kSupportTexts));

// The navy frames of the exit screen, with their white bold captions.
void paintNavy(QGroupBox& frame, const QRect& at)
{
    frame.setGeometry(at);
    frame.setFont(theme::verdana(9.75, true));
    QPalette palette = frame.palette();
    palette.setColor(QPalette::Window, theme::kNavy);
    palette.setColor(QPalette::WindowText, theme::kText);
    frame.setPalette(palette);
    frame.setAutoFillBackground(true);
}
} // namespace

frmNagScreen2::frmNagScreen2(ExitScreenServices services)
    : m_services(services)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    chrome::makeFixedWindow(*this);
    theme::applyPaperLook(*this);
    resize(kClientSize);
    createControls();
    chrome::fixSize(*this);
    Form_Load();
}

void frmNagScreen2::createControls()
{
    auto* Frame6 = new QGroupBox(toQString(texts::kSoftwaresFrame), this);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    paintNavy(*Frame6, twipsRect(7320, 120, 3735, 4575));
    auto* lblGoToHome =
        new ClickableLabel(QStringLiteral("lblGoToHome"), toQString(texts::kGoToHome), Frame6);
    lblGoToHome->placeText(twipsRect(75, 4250, 3585, 210));
    lblGoToHome->setFont(theme::verdana(9, true));
    QPalette yellow = lblGoToHome->palette();
    yellow.setColor(QPalette::WindowText, theme::kYellow);
    lblGoToHome->setPalette(yellow);
    lblGoToHome->setWordWrap(false);
    chrome::shrinkToFit(*lblGoToHome);
    connect(lblGoToHome, &ClickableLabel::clicked, this,
            [this] { m_services.pages.open(modHelp::Page::Softwares); });
    auto* Label3 = new QLabel(toQString(texts::kProductLine), Frame6);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twipsRect(120, 360, 3495, 3855));
    Label3->setFont(theme::verdana(9));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_referral = new ReferralForm(m_services.messages, this);
    paintNavy(*m_referral, twipsRect(120, 3240, 7065, 1455));
    connect(m_referral, &ReferralForm::submitted, this, &frmNagScreen2::cmdSubmit_Click);

    cmdClose = new QPushButton(toQString(texts::kExit), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twipsRect(6000, 2760, 1245, 375));
    chrome::makeKeyboardButton(*cmdClose);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    Check1 = new WholeBoxCheckBox(toQString(texts::kVisitNow), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setAccessibleName(Check1->text());
    Check1->setGeometry(twipsRect(30, 2040, 7185, 555));
    Check1->setFont(theme::verdana(14.25));
    Check1->setCursor(Qt::PointingHandCursor);
    QPalette blue = Check1->palette();
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        blue.setColor(role, theme::kCheckBlue);
    }
    Check1->setPalette(blue);
    connect(Check1, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);

    picNagscreen2Icon = new QLabel(this);
    picNagscreen2Icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
    picNagscreen2Icon->setGeometry(twipsRect(360, 120, 540, 540));
    picNagscreen2Icon->setAccessibleName(toQString(texts::kIconName));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsRect(120, 840, 6975, 1095));
    Label2->setFont(theme::verdana(9.75, true));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblNagScreen2Caption = new QLabel(this);
    lblNagScreen2Caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
    lblNagScreen2Caption->setFont(theme::msSansSerif(18));
    lblNagScreen2Caption->move(twipsRect(1080, 240, 0, 0).topLeft());

    QList<QWidget*> chain{cmdClose, Check1};
    chain << m_referral->tabStops() << lblGoToHome;
    chrome::setTabChain(chain);
    cmdClose->setFocus();
}

void frmNagScreen2::Form_Load()
{
    // The window's own caption and icon are set with the other fixed-window properties.
    lblNagScreen2Caption->setText(windowCaption());
    lblNagScreen2Caption->adjustSize();
    picNagscreen2Icon->setPixmap(applicationPixmap());

    m_services.random.seed(m_services.clock.timeOfDaySeed());
    const int drawn = static_cast<int>(std::floor(kSupportTextCount * m_services.random.next()));
    Label2->setText(toQString(texts::kSupportTexts[std::clamp(drawn, 0, kSupportTextCount - 1)]));

    platform::makeTopmost(*this);
}

void frmNagScreen2::Check1_Click()
{
    // The box is a link that never stays ticked.
    if (Check1->isChecked()) {
        Check1->setChecked(false);
        m_services.pages.open(modHelp::Page::Home);
    }
}

void frmNagScreen2::cmdSubmit_Click()
{
    const auto outcome =
        modTellAFriend::submitReferral(m_referral->record(), m_services.longestWebAddress);
    if (!outcome.failure.isEmpty()) {
        m_services.messages.critical(this, outcome.failure);
    } else {
        m_services.pages.OpenWebAddress(outcome.address);
    }
}

void frmNagScreen2::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closing(ClosingReason::Close);
}

} // namespace lumo::ui
