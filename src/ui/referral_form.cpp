#include "ui/referral_form.h"

#include "common/qt_text.h"
#include "platform/user_messages.h"
#include "ui/length_limit.h"
#include "ui/placeholder_filter.h"
#include "ui/referral_box.h"
#include "ui/theme.h"
#include "ui/ui_texts.h"
#include "ui/window_chrome.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lumo::ui {

using chrome::twipsRect;

namespace {
template <typename Box>
Box* referralBox(const char* name, const char* placeholder, const QRect& at, QWidget* parent)
{
    auto* box = new Box(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(toQString(placeholder));
    box->setGeometry(at);
    box->setFont(theme::verdana(theme::kBodyPointSize));
    return box;
}
} // namespace

ReferralForm::ReferralForm(platform::UserMessages& messages, QWidget* parent)
    : QGroupBox(toQString(texts::kReferFrame), parent)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("Frame2"));

    // The message box lies below the frame's bottom edge, never seen; so it takes no focus, where
    // a keyboard user's focus would vanish and typing would go out unseen. Its untouched text is
    // still sent.
    txtMessage = referralBox<QPlainTextEdit>("txtMessage", modTellAFriend::kMessagePlaceholder,
                                             twipsRect(4800, 3600, 1815, 495), this);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    txtMessage->setFocusPolicy(Qt::NoFocus);
    setBoxText(txtMessage, toQString(modTellAFriend::kMessagePlaceholder) + QStringLiteral("\r\n"));
    txtFriendName = referralBox<QLineEdit>("txtFriendName", modTellAFriend::kFriendNamePlaceholder,
                                           twipsRect(85, 720, 3375, 285), this);
    txtFriendEmail =
        referralBox<QLineEdit>("txtFriendEmail", modTellAFriend::kFriendEmailPlaceholder,
                               twipsRect(3600, 720, 3375, 285), this);
    txtEmail = referralBox<QLineEdit>("txtEmail", modTellAFriend::kEmailPlaceholder,
                                      twipsRect(3600, 360, 3375, 285), this);
    cmdSubmit = new QPushButton(toQString(texts::kSubmit), this);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setGeometry(twipsRect(1920, 1080, 3375, 285));
    cmdSubmit->setFont(theme::verdana(theme::kBodyPointSize, true));
    chrome::makeKeyboardButton(*cmdSubmit);
    connect(cmdSubmit, &QPushButton::clicked, this, &ReferralForm::submitted);
    txtName = referralBox<QLineEdit>("txtName", modTellAFriend::kNamePlaceholder,
                                     twipsRect(85, 360, 3375, 285), this);

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
        m_messages.critical(
            window(), toQString(texts::kReferralValueTooLong).arg(texts::kLongestReferralValue));
    };
    for (QLineEdit* box : {txtName, txtEmail, txtFriendName, txtFriendEmail}) {
        limitLength(*box, texts::kLongestReferralValue, tooLong);
    }
    limitLength(*txtMessage, texts::kLongestReferralValue, tooLong);

    // The space rule of the two address boxes.
    txtEmail->installEventFilter(this);
    txtFriendEmail->installEventFilter(this);
}

modTellAFriend::ReferralRecord ReferralForm::record() const
{
    return modTellAFriend::captureReferral(boxText(txtName), boxText(txtEmail), boxText(txtMessage),
                                           boxText(txtFriendName), boxText(txtFriendEmail));
}

QList<QWidget*> ReferralForm::tabStops() const
{
    return {txtName, cmdSubmit, txtEmail, txtFriendEmail, txtFriendName};
}

bool ReferralForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
        m_messages.critical(window(), toQString(modTellAFriend::kEmailSpaceMessage));
        static_cast<QWidget*>(watched)->setFocus();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace lumo::ui
