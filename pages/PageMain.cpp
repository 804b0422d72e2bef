#include "pages/PageMain.h"

#include "pages/ControlTable.h"
#include "pages/FrequencyField.h"
#include "radio/Layout.h"
#include "radio/Radio.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QValidator>
#include <algorithm>

using namespace layout::ri;

namespace {

constexpr int kHelpContext = 105;
constexpr int kMessageLength = kOpenMessageSize;
constexpr int kFrequencyLength = 10;

std::vector<ControlRow> SettingRows() {
    QStringList contrast;
    for (int level = 1; level <= 14; ++level)
        contrast << QString::number(level);
    return {
        ControlRow::List(QT_TRANSLATE_NOOP("ControlTable", "RF Squelch"), kRfSquelch,
                         {QT_TRANSLATE_NOOP("ControlTable", "Off"), "1", "2", "3", "4", "5", "6",
                          "7", "8", "9"}),
        ControlRow::List(QT_TRANSLATE_NOOP("ControlTable", "Off Timer"), kOffTimer,
                         {QT_TRANSLATE_NOOP("ControlTable", "Off"), "30", "60", "90"}),
        ControlRow::List(QT_TRANSLATE_NOOP("ControlTable", "Battery Saver"), kBatterySaver,
                         {QT_TRANSLATE_NOOP("ControlTable", "Off"),
                          QT_TRANSLATE_NOOP("ControlTable", "1:4 (1 sec)"),
                          QT_TRANSLATE_NOOP("ControlTable", "1:12 (3 sec)"),
                          QT_TRANSLATE_NOOP("ControlTable", "1:20 (5 sec)"),
                          QT_TRANSLATE_NOOP("ControlTable", "1:28 (7 sec)"),
                          QT_TRANSLATE_NOOP("ControlTable", "1:36 (9 sec)")}),
        ControlRow::List(QT_TRANSLATE_NOOP("ControlTable", "Contrast"), kContrast, contrast),
        // "Off" is the receiver's code 3; the three bells count from 0.
        ControlRow::List(QT_TRANSLATE_NOOP("ControlTable", "Opening Bell"), kOpeningBell,
                         {QT_TRANSLATE_NOOP("ControlTable", "Off"),
                          QT_TRANSLATE_NOOP("ControlTable", "1: Pi"),
                          QT_TRANSLATE_NOOP("ControlTable", "2: Po-Pi"),
                          QT_TRANSLATE_NOOP("ControlTable", "3: Pi-Pi")},
                         {3, 0, 1, 2}),
        ControlRow::List(QT_TRANSLATE_NOOP("ControlTable", "# of Channels"), kSmartSearchChannels,
                         {QT_TRANSLATE_NOOP("ControlTable", "11 Channels"),
                          QT_TRANSLATE_NOOP("ControlTable", "21 Channels"),
                          QT_TRANSLATE_NOOP("ControlTable", "31 Channels"),
                          QT_TRANSLATE_NOOP("ControlTable", "41 Channels")}),
        ControlRow::Check(QT_TRANSLATE_NOOP("ControlTable", "Auto Receive Mode"),
                          kAutoReceiveModeBit, ControlRow::kInverted),
        ControlRow::Check(QT_TRANSLATE_NOOP("ControlTable", "Keypad Lamp"), kKeypadLampBit,
                          ControlRow::kInverted),
        ControlRow::Check(QT_TRANSLATE_NOOP("ControlTable", "Keypad Beeper"), kKeypadBeeperBit,
                          ControlRow::kInverted),
        ControlRow::Check(QT_TRANSLATE_NOOP("ControlTable", "Japanese"), kJapaneseBit,
                          ControlRow::kInverted),
        ControlRow::Check(QT_TRANSLATE_NOOP("ControlTable", "Flex Step"), kFlexStepBit,
                          ControlRow::kInverted),
        ControlRow::Check(QT_TRANSLATE_NOOP("ControlTable", "Attenuator"), kAttenuatorBit),
        ControlRow::Check(QT_TRANSLATE_NOOP("ControlTable", "Monitor"), kMonitorBit),
        ControlRow::Radio(QT_TRANSLATE_NOOP("ControlTable", "Open Message"), kOpenMessageMode,
                          {QT_TRANSLATE_NOOP("ControlTable", "Default"),
                           QT_TRANSLATE_NOOP("ControlTable", "Off"),
                           QT_TRANSLATE_NOOP("ControlTable", "User")}),
        ControlRow::Radio(QT_TRANSLATE_NOOP("ControlTable", "Lock Mode"), kLockModeBit,
                          {QT_TRANSLATE_NOOP("ControlTable", "Key"),
                           QT_TRANSLATE_NOOP("ControlTable", "Key + Dial")}),
        ControlRow::Radio(QT_TRANSLATE_NOOP("ControlTable", "Lamp Mode"), kLampModeBit,
                          {QT_TRANSLATE_NOOP("ControlTable", "Auto"),
                           QT_TRANSLATE_NOOP("ControlTable", "Toggle")}),
        ControlRow::Radio(QT_TRANSLATE_NOOP("ControlTable", "Smart Search"), kSmartSearchModeBit,
                          {QT_TRANSLATE_NOOP("ControlTable", "Single"),
                           QT_TRANSLATE_NOOP("ControlTable", "Continuous")}),
        ControlRow::Radio(QT_TRANSLATE_NOOP("ControlTable", "Meter Symbol"), kMeterSymbol,
                          {"", "", ""}),
    };
}

// Refuses what the channel name cells refuse.
class MessageValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return FirstUnshowableChar(input) ? Invalid : Acceptable;
    }
};

// The three meter symbol styles, drawn in the page's text colour so they show on light and
// dark desktops alike: rising bars, equal solid blocks and chevrons pointing right.
QPixmap MeterSymbol(int style, const QColor& ink) {
    QPixmap pixmap(45, 14);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 2));
    p.setBrush(ink);
    for (int i = 0; i < 3; ++i) {
        const int x = 3 + i * 14;
        if (style == 0) {
            const int h = 4 + 4 * i;
            p.drawRect(x, 13 - h, 9, h);
        } else if (style == 1) {
            p.drawRect(x, 2, 9, 10);
        } else {
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygon({QPoint(x + 2, 2), QPoint(x + 9, 7), QPoint(x + 2, 12)}));
        }
    }
    return pixmap;
}

// Trailing spaces, tabs and line breaks are padding, not part of the message.
QString WithoutTrailingWhiteSpace(QString text) {
    while (!text.isEmpty() && QStringLiteral(" \t\r\n\v\f").contains(text.back()))
        text.chop(1);
    return text;
}

} // namespace

CPageMain::CPageMain(CVR500Radio& radio, QWidget* parent)
    : CPropertyPage(radio, tr("Setting"), kHelpContext, parent),
      table_(std::make_unique<ControlTable>(SettingRows(), this)) {
    ControlTable& t = *table_;

    // The table names the rows; the labels add the keys that reach them.
    const std::pair<const char*, const char*> mnemonics[] = {
        {"RF Squelch", QT_TR_NOOP("RF &Squelch")},
        {"Off Timer", QT_TR_NOOP("Off &Timer")},
        {"Battery Saver", QT_TR_NOOP("&Battery Saver")},
        {"Contrast", QT_TR_NOOP("C&ontrast")},
        {"Opening Bell", QT_TR_NOOP("Openin&g Bell")},
        {"# of Channels", QT_TR_NOOP("# of &Channels")}};
    for (const auto& [name, text] : mnemonics)
        t.Label(name)->setText(tr(text));

    auto* lists = new QFormLayout;
    for (const char* name :
         {"RF Squelch", "Off Timer", "Battery Saver", "Contrast", "Opening Bell"})
        lists->addRow(t.Label(name), t.Widget(name));
    auto* checks = new QVBoxLayout;
    for (const char* name : {"Auto Receive Mode", "Keypad Lamp", "Keypad Beeper", "Japanese",
                             "Flex Step", "Attenuator", "Monitor"})
        checks->addWidget(t.Widget(name));
    auto* left = new QVBoxLayout;
    left->addLayout(lists);
    left->addSpacing(8);
    left->addLayout(checks);
    left->addStretch();

    message_ = new QLineEdit(this);
    message_->setMaxLength(kMessageLength);
    message_->setValidator(new MessageValidator(message_));
    message_->setAccessibleName(tr("Open message text"));
    t.Group("Open Message")->layout()->addWidget(message_);
    for (const char* name : {"Lock Mode", "Lamp Mode"}) {
        auto* row = static_cast<QBoxLayout*>(t.Group(name)->layout());
        row->setDirection(QBoxLayout::LeftToRight);
    }
    auto* middle = new QVBoxLayout;
    for (const char* name : {"Open Message", "Lock Mode", "Lamp Mode"})
        middle->addWidget(t.Widget(name));
    middle->addStretch();

    QGroupBox* search = t.Group("Smart Search");
    auto* searchBox = static_cast<QBoxLayout*>(search->layout());
    auto* searchForm = new QFormLayout;
    t.Combo("# of Channels")->setToolTip(tr("Select the number of channels for the Smart Search"));
    searchForm->addRow(t.Label("# of Channels"), t.Widget("# of Channels"));
    searchBox->insertLayout(0, searchForm);
    auto* limits = new QFormLayout;
    FrequencyField** fields[] = {&lower_, &start_, &upper_};
    const char* limitNames[] = {QT_TR_NOOP("Lower"), QT_TR_NOOP("Start"), QT_TR_NOOP("Upper")};
    const char* limitLabels[] = {QT_TR_NOOP("&Lower"), QT_TR_NOOP("St&art"), QT_TR_NOOP("&Upper")};
    for (int i = 0; i < 3; ++i) {
        auto* field = new FrequencyField(radio, kFrequencyLength, this);
        field->setAccessibleName(tr("Smart Search %1").arg(tr(limitNames[i])));
        auto* label = new QLabel(tr(limitLabels[i]), this);
        label->setBuddy(field);
        limits->addRow(label, field);
        *fields[i] = field;
    }
    searchBox->addLayout(limits);

    const QString symbolNames[] = {tr("Meter Symbol: rising bars"), tr("Meter Symbol: blocks"),
                                   tr("Meter Symbol: chevrons")};
    const QList<QRadioButton*> symbols = t.Buttons("Meter Symbol");
    for (int i = 0; i < symbols.size(); ++i) {
        symbols[i]->setIcon(MeterSymbol(i, symbols[i]->palette().color(QPalette::WindowText)));
        symbols[i]->setIconSize(QSize(45, 14));
        symbols[i]->setAccessibleName(symbolNames[i]);
    }
    auto* right = new QVBoxLayout;
    right->addWidget(search);
    right->addWidget(t.Widget("Meter Symbol"));
    right->addStretch();

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);
    // On a wide window the room left over stays to the right; fields keep a readable width.
    columns->addStretch(1);

    t.OnChanged([this] { PageEdited(); });
    for (QLineEdit* field : {message_, static_cast<QLineEdit*>(lower_),
                             static_cast<QLineEdit*>(start_), static_cast<QLineEdit*>(upper_)})
        connect(field, &QLineEdit::editingFinished, this, &CPageMain::PageEdited);
}

CPageMain::~CPageMain() = default;

bool CPageMain::OnSetActive() {
    const Byte* ri = Model().EditRadio();
    loaded_ = true;
    table_->Load(ri);
    LoadMessage(ri);
    lower_->Load(ri + kSmartSearchLower);
    start_->Load(ri + kSmartSearchStart);
    upper_->Load(ri + kSmartSearchUpper);
    return CPropertyPage::OnSetActive();
}

bool CPageMain::OnKillActive() {
    if (loaded_) {
        Byte* ri = Model().EditRadio();
        table_->Store(ri);
        StoreMessage(ri);
        lower_->Store(ri + kSmartSearchLower);
        start_->Store(ri + kSmartSearchStart);
        upper_->Store(ri + kSmartSearchUpper);
    }
    return CPropertyPage::OnKillActive();
}

void CPageMain::LoadMessage(const Byte* ri) {
    const Byte* bytes = ri + kOpenMessage;
    std::copy(bytes, bytes + kMessageLength, loadedMessageBytes_.begin());
    QString text;
    for (int i = 0; i < kMessageLength && bytes[i] != 0; ++i)
        text.append(NameChar(bytes[i]));
    loadedMessage_ = WithoutTrailingWhiteSpace(text);
    message_->setText(loadedMessage_);
}

void CPageMain::StoreMessage(Byte* ri) const {
    Byte* bytes = ri + kOpenMessage;
    const QString text = message_->text();
    // A message the user left alone keeps its bytes, whatever padding the receiver gave it.
    if (text == loadedMessage_) {
        std::copy(loadedMessageBytes_.begin(), loadedMessageBytes_.end(), bytes);
        return;
    }
    // The validator lets only characters with a byte through, so NameFromText cannot refuse.
    NameFromText(text, bytes);
}
