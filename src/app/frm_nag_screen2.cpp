#include "app/frm_nag_screen2.h"

#include "app/app_texts.h"
#include "app/placeholder_filter.h"
#include "common/qt_text.h"
#include "platform/clock.h"
#include "platform/desktop_session.h"
#include "platform/random_source.h"
#include "platform/user_messages.h"
#include "platform/web_opener_native.h"
#include "ui/app_icon.h"
#include "ui/clickable_label.h"
#include "ui/length_limit.h"
#include "ui/theme.h"
#include "ui/ui_texts.h"
#include "ui/whole_box_check_box.h"
#include "ui/window_chrome.h"
#include "web/mod_help.h"
#include "web/mod_tell_a_friend.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace lumo::app {

using ui::chrome::twipsRect;

namespace {
constexpr QSize kClientSize{ui::chrome::px(11115), ui::chrome::px(4725)};
constexpr int kSupportTextCount = static_cast<int>(std::size(texts::kSupportTexts));

QGroupBox* navyFrame(const char* name, const char* caption, const QRect& at, QWidget* parent)
{
    auto* frame = new QGroupBox(toQString(caption), parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(at);
    frame->setFont(ui::theme::verdana(9.75, true));
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, ui::theme::kNavy);
    palette.setColor(QPalette::WindowText, ui::theme::kText);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    return frame;
}

template <typename Box>
Box* referralBox(const char* name, const char* placeholder, const QRect& at, QWidget* parent)
{
    auto* box = new Box(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(toQString(placeholder));
    box->setGeometry(at);
    box->setFont(ui::theme::verdana(ui::theme::kBodyPointSize));
    return box;
}
} // namespace

namespace {
// The message box holds LF line breaks; the referral carries CR LF.
const QString kCrLf = QStringLiteral("\r\n");
const QString kLf = QStringLiteral("\n");
} // namespace

QString boxText(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
        return line->text();
    }
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box)) {
        return lines->toPlainText().replace(kLf, kCrLf);
    }
    return {};
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        lines->setPlainText(QString(text).replace(kCrLf, kLf));
    }
}

frmNagScreen2::frmNagScreen2(ExitScreenServices services)
    : m_services(std::move(services))
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    ui::chrome::makeFixedWindow(*this);
    ui::theme::applyPaperLook(*this);
    resize(kClientSize);
    createControls();
    ui::chrome::fixSize(*this);
    Form_Load();
}

void frmNagScreen2::createControls()
{
    auto* Frame6 =
        navyFrame("Frame6", texts::kSoftwaresFrame, twipsRect(7320, 120, 3735, 4575), this);
    auto* lblGoToHome =
        new ui::ClickableLabel(QStringLiteral("lblGoToHome"), toQString(texts::kGoToHome), Frame6);
    lblGoToHome->placeText(twipsRect(75, 4250, 3585, 210));
    lblGoToHome->setFont(ui::theme::verdana(9, true));
    QPalette yellow = lblGoToHome->palette();
    yellow.setColor(QPalette::WindowText, ui::theme::kYellow);
    lblGoToHome->setPalette(yellow);
    lblGoToHome->setWordWrap(false);
    ui::chrome::shrinkToFit(*lblGoToHome);
    connect(lblGoToHome, &ui::ClickableLabel::clicked, this,
            [this] { m_services.pages.OpenSoftwaresPage(); });
    auto* Label3 = new QLabel(toQString(texts::kProductLine), Frame6);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twipsRect(120, 360, 3495, 3855));
    Label3->setFont(ui::theme::verdana(9));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* Frame2 = navyFrame("Frame2", texts::kReferFrame, twipsRect(120, 3240, 7065, 1455), this);
    // The message box lies below the frame's bottom edge, never seen; so it takes no focus, where
    // a keyboard user's focus would vanish and typing would go out unseen.
    txtMessage = referralBox<QPlainTextEdit>("txtMessage", modTellAFriend::kMessagePlaceholder,
                                             twipsRect(4800, 3600, 1815, 495), Frame2);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    txtMessage->setFocusPolicy(Qt::NoFocus);
    setBoxText(txtMessage, toQString(modTellAFriend::kMessagePlaceholder) + QStringLiteral("\r\n"));
    txtFriendName = referralBox<QLineEdit>("txtFriendName", modTellAFriend::kFriendNamePlaceholder,
                                           twipsRect(85, 720, 3375, 285), Frame2);
    txtFriendEmail =
        referralBox<QLineEdit>("txtFriendEmail", modTellAFriend::kFriendEmailPlaceholder,
                               twipsRect(3600, 720, 3375, 285), Frame2);
    txtEmail = referralBox<QLineEdit>("txtEmail", modTellAFriend::kEmailPlaceholder,
                                      twipsRect(3600, 360, 3375, 285), Frame2);
    cmdSubmit = new QPushButton(toQString(texts::kSubmit), Frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setGeometry(twipsRect(1920, 1080, 3375, 285));
    cmdSubmit->setFont(ui::theme::verdana(ui::theme::kBodyPointSize, true));
    ui::chrome::makeKeyboardButton(*cmdSubmit);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    txtName = referralBox<QLineEdit>("txtName", modTellAFriend::kNamePlaceholder,
                                     twipsRect(85, 360, 3375, 285), Frame2);

    m_placeholders = new PlaceholderFilter(this);
    m_placeholders->watch(txtName, toQString(modTellAFriend::kNamePlaceholder));
    m_placeholders->watch(txtEmail, toQString(modTellAFriend::kEmailPlaceholder));
    m_placeholders->watch(txtFriendName, toQString(modTellAFriend::kFriendNamePlaceholder));
    m_placeholders->watch(txtFriendEmail, toQString(modTellAFriend::kFriendEmailPlaceholder));
    m_placeholders->watch(txtMessage, toQString(modTellAFriend::kMessagePlaceholder));
    for (QLineEdit* box : {txtName, txtEmail, txtFriendName, txtFriendEmail}) {
        setBoxText(box, box->accessibleName());
    }
    const auto tooLong = [this] {
        m_services.messages.critical(
            this, toQString(texts::kReferralValueTooLong).arg(texts::kLongestReferralValue));
    };
    for (QLineEdit* box : {txtName, txtEmail, txtFriendName, txtFriendEmail}) {
        ui::limitLength(*box, texts::kLongestReferralValue, tooLong);
    }
    ui::limitLength(*txtMessage, texts::kLongestReferralValue, tooLong);
    // The space rule of the two address boxes.
    txtEmail->installEventFilter(this);
    txtFriendEmail->installEventFilter(this);

    cmdClose = new QPushButton(toQString(ui::texts::kExit), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twipsRect(6000, 2760, 1245, 375));
    ui::chrome::makeKeyboardButton(*cmdClose);
    connect(cmdClose, &QPushButton::clicked, this, [this] { m_services.endProgram(); });

    Check1 = new ui::WholeBoxCheckBox(toQString(texts::kVisitNow), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setAccessibleName(Check1->text());
    Check1->setGeometry(twipsRect(30, 2040, 7185, 555));
    Check1->setFont(ui::theme::verdana(14.25));
    Check1->setCursor(Qt::PointingHandCursor);
    QPalette blue = Check1->palette();
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        blue.setColor(role, ui::theme::kCheckBlue);
    }
    Check1->setPalette(blue);
    connect(Check1, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);

    picNagscreen2Icon = new QLabel(this);
    picNagscreen2Icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
    picNagscreen2Icon->setGeometry(twipsRect(360, 120, 540, 540));
    picNagscreen2Icon->setAccessibleName(toQString(ui::texts::kIconName));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsRect(120, 840, 6975, 1095));
    Label2->setFont(ui::theme::verdana(9.75, true));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblNagScreen2Caption = new QLabel(this);
    lblNagScreen2Caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
    lblNagScreen2Caption->setFont(ui::theme::msSansSerif(18));
    lblNagScreen2Caption->move(twipsRect(1080, 240, 0, 0).topLeft());

    ui::chrome::setTabChain({cmdClose, Check1, txtName, cmdSubmit, txtEmail, txtFriendEmail,
                             txtFriendName, lblGoToHome});
    cmdClose->setFocus();
}

void frmNagScreen2::Form_Load()
{
    // The window's own caption and icon are set with the other fixed-window properties.
    lblNagScreen2Caption->setText(windowCaption());
    lblNagScreen2Caption->adjustSize();
    picNagscreen2Icon->setPixmap(ui::applicationPixmap());

    m_services.random.seed(m_services.clock.timeOfDaySeed());
    const int drawn = static_cast<int>(std::floor(4.0 * m_services.random.next()));
    Label2->setText(toQString(texts::kSupportTexts[std::clamp(drawn, 0, kSupportTextCount - 1)]));

    platform::makeTopmost(*this);
}

void frmNagScreen2::Check1_Click()
{
    // The box is a link that never stays ticked.
    if (Check1->isChecked()) {
        Check1->setChecked(false);
        m_services.pages.OpenHomePage();
    }
}

void frmNagScreen2::cmdSubmit_Click()
{
    const auto record =
        modTellAFriend::CaptureReferral(boxText(txtName), boxText(txtEmail), boxText(txtMessage),
                                        boxText(txtFriendName), boxText(txtFriendEmail));
    const auto outcome = modTellAFriend::SubmitReferral(record, platform::longestWebAddress());
    if (!outcome.failure.isEmpty()) {
        m_services.messages.critical(this, outcome.failure);
    } else {
        m_services.pages.OpenWebAddress(outcome.address);
    }
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
        m_services.messages.critical(this, toQString(modTellAFriend::kEmailSpaceMessage));
        static_cast<QWidget*>(watched)->setFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmNagScreen2::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_services.endProgram();
}

} // namespace lumo::app
