// SPDX-License-Identifier: MIT
#include "window/MainForm.h"

#include "ui_MainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>

namespace {

const QString kTitleTail = QStringLiteral(" - Vostrelle");
const QString kContactAddress = QStringLiteral("ratedload@vostrelle.example");
constexpr int kBlanksBeforeAddress = 19;

// The design's face is MS Sans Serif, a face of Windows; elsewhere a face with
// Arial's metrics keeps every caption inside its rectangle (fontconfig takes
// Arial and Liberation Sans for each other). One face only: every font that
// asks for a missing face, or for fallbacks, costs a search of the font
// database, a good part of the window's start-up.
QFont DesignFont()
{
#if defined(Q_OS_WIN)
    QFont font(QStringLiteral("MS Sans Serif"));
#elif defined(Q_OS_MACOS)
    QFont font(QStringLiteral("Arial"));
#else
    QFont font(QStringLiteral("Liberation Sans"));
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    // Spelt out, or a control given this font would take its parent's weight.
    font.setBold(false);
    return font;
}

QFont Sized(QFont font, qreal points, bool bold)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Entries, lists, captions and buttons are 13.5 pt bold, the groups and their
// options 9.75 pt bold, the "Or" between the two ways of giving the platform
// 18 pt bold; the menu bar, the truck question and its answers keep the
// window's 8 pt. A form file holds only whole point sizes, and a style sheet
// costs the window a good part of its start-up, so the sizes are set here:
// the common one before the controls are made, so that they are made with it.
void ApplyDesignFonts(Ui::MainForm &ui)
{
    const QFont window = DesignFont();
    for (QWidget *group : { ui.Frame1, ui.Frame2, ui.Frame4 })
        group->setFont(Sized(window, 9.75, true));
    for (QWidget *plain : { static_cast<QWidget *>(ui.Frame3), static_cast<QWidget *>(ui.Label2) })
        plain->setFont(window);
    ui.Label1_13->setFont(Sized(window, 18, true));
}

bool IsMenuShortcut(const QKeyEvent *key)
{
    if (key->modifiers() != Qt::ControlModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_I:
    case Qt::Key_M:
    case Qt::Key_L:
    case Qt::Key_A:
        return true;
    default:
        return false;
    }
}

// Focus that comes and goes with the window's activation or with a drop-down
// list's popup is no entering or leaving of a control.
bool IsControlFocusChange(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason
        && event->reason() != Qt::PopupFocusReason;
}

} // namespace

// The icons are compiled into this library; a static library's resources are
// there only once registered by name, from the global namespace.
static void RegisterIcons()
{
    Q_INIT_RESOURCE(icons);
}

MainForm::MainForm(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainForm>())
{
    setFont(Sized(DesignFont(), 13.5, true));
    AnswerScreenReadersForTheLists();
    ui->setupUi(this);
    // The window itself, and with it the menu bar, keeps the 8 pt face.
    ui->centralwidget->setFont(font());
    setFont(DesignFont());
    ApplyDesignFonts(*ui);
    // The drop-down menus and the message boxes are windows of their own,
    // which take no font from this one.
    for (QMenu *menu : { ui->mnuUnits, ui->mnuFind })
        menu->setFont(DesignFont());
    Label1 = { ui->Label1_0, ui->Label1_1, ui->Label1_2, ui->Label1_3, ui->Label1_4, ui->Label1_5,
        ui->Label1_6, ui->Label1_7, ui->Label1_8, ui->Label1_9, ui->Label1_10, ui->Label1_11,
        ui->Label1_12, ui->Label1_13 };
    C1 = { ui->C1_0, ui->C1_1 };
    C2 = { ui->C2_0, ui->C2_1 };
    C3 = { ui->C3_0, ui->C3_1 };
    C4 = { ui->C4_0, ui->C4_1 };

    for (QComboBox *list : { C1[0], C1[1], C2[0], C2[1], C3[0], C3[1], C4[0], C4[1] }) {
        // Typed dimensions stay exactly as typed: no completion, no new items.
        // No dropped text either, which would change a list without entering it.
        list->setCompleter(nullptr);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->lineEdit()->setAcceptDrops(false);
    }
    ui->Text5->setAcceptDrops(false);
    ui->Text2->setAcceptDrops(false);

    RegisterIcons();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/ratedload-32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/ratedload-16.xpm"), QSize(16, 16));
    setWindowIcon(icon);

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    ConnectEvents();
    Form_Load();
    ComposeTitle();
    NameEntriesForScreenReaders();
    ui->Text5->setFocus();
}

MainForm::~MainForm()
{
    // The controls are destroyed after this part of the window; none of their
    // events may reach the handlers then.
    const auto children = findChildren<QObject *>();
    for (QObject *child : children) {
        child->removeEventFilter(this);
        child->disconnect(this);
    }
}

void MainForm::Form_Load()
{
    adjustSize();
    const QRect screenArea = screen()->availableGeometry();
    const float left = (static_cast<float>(screenArea.width()) - static_cast<float>(width())) / 2;
    const int top = (screenArea.height() - height()) / 2;
    move(screenArea.left() + qRound(left), screenArea.top() + qMax(0, top));

    ImperialUnits = true;
    RatedLoadMode = true;
    DimensionFound = false;

    TitleUnits = QStringLiteral(" Imperial - ");
    TitleMode = QStringLiteral("Minimum Rated Load");

    SetCaptionColour(ui->Option11, Qt::red);
}

void MainForm::ConnectEvents()
{
    connect(ui->Command1, &QPushButton::clicked, this, &MainForm::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &MainForm::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &MainForm::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &MainForm::Command4_Click);
    connect(ui->Text5, &QLineEdit::textChanged, this, &MainForm::Text5_Change);
    connect(ui->Text2, &QLineEdit::textChanged, this, &MainForm::Text2_Change);

    OnSelected(ui->Option1, &MainForm::Option1_Click);
    OnSelected(ui->Option2, &MainForm::Option2_Click);
    OnSelected(ui->Option3, &MainForm::Option3_Click);
    OnSelected(ui->Option4, &MainForm::Option4_Click);
    OnSelected(ui->Option5, &MainForm::Option5_Click);
    OnSelected(ui->Option6, &MainForm::Option6_Click);
    OnSelected(ui->Option7, &MainForm::Option7_Click);
    OnSelected(ui->Option8, &MainForm::Option8_Click);
    OnSelected(ui->Option9, &MainForm::Option9_Click);
    OnSelected(ui->Option10, &MainForm::Option10_Click);
    OnSelected(ui->Option11, &MainForm::Option11_Click);
    OnSelected(ui->Option12, &MainForm::Option12_Click);
    ui->Option1->installEventFilter(this);
    for (QButtonGroup *group : { ui->typeGroup, ui->classGroup, ui->truckGroup, ui->unitsGroup }) {
        KeepTabStopOnSelected(group);
        connect(group, &QButtonGroup::buttonToggled, this,
            [group] { KeepTabStopOnSelected(group); });
    }

    OnMenu(ui->mnuImperial, &MainForm::mnuImperial_Click);
    OnMenu(ui->mnuMetric, &MainForm::mnuMetric_Click);
    OnMenu(ui->mnuMRL, &MainForm::mnuMRL_Click);
    OnMenu(ui->mnuMPA, &MainForm::mnuMPA_Click);

    ConnectList(C1, &MainForm::C1_Change, &MainForm::C1_Click, &MainForm::C1_GotFocus,
        &MainForm::C1_LostFocus);
    ConnectList(C2, &MainForm::C2_Change, &MainForm::C2_Click, &MainForm::C2_GotFocus,
        &MainForm::C2_LostFocus);
    ConnectList(C3, &MainForm::C3_Change, &MainForm::C3_Click, &MainForm::C3_GotFocus,
        &MainForm::C3_LostFocus);
    ConnectList(C4, &MainForm::C4_Change, &MainForm::C4_Click, &MainForm::C4_GotFocus,
        &MainForm::C4_LostFocus);

    // A main window has no default or cancel button: Enter, Esc and the menu
    // shortcuts are taken from every control that can hold the focus, but not
    // inside an open drop-down list, where they pick an item or close it.
    const auto controls = ui->centralwidget->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (control->window() == this && control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(this);
    }
}

// Selecting a button, by the user or from code, runs its click handler at once;
// a button that was selected already is not selected again.
void MainForm::OnSelected(QRadioButton *button, Handler handler)
{
    connect(button, &QRadioButton::toggled, this, [this, handler](bool selected) {
        if (selected)
            (this->*handler)();
    });
}

// A checkable item flips its own check mark before it reports the choice;
// the handlers set the check marks themselves, from the state before it.
void MainForm::OnMenu(QAction *item, Handler handler)
{
    connect(item, &QAction::triggered, this, [this, item, handler](bool checked) {
        item->setChecked(!checked);
        (this->*handler)();
    });
}

void MainForm::ConnectList(const std::array<QComboBox *, 2> &list, ListHandler change,
    ListHandler click, ListHandler gotFocus, ListHandler lostFocus)
{
    for (int index = 0; index < 2; ++index) {
        QComboBox *member = list[index];
        connect(member, &QComboBox::editTextChanged, this,
            [this, change, index] { (this->*change)(index); });
        connect(
            member, &QComboBox::activated, this, [this, click, index] { (this->*click)(index); });
        // When a list loses the focus with a typed text that matches one of
        // its items, Qt reports that as a pick of the item; only a real pick
        // from the drop-down or with the arrow keys is a click here.
        disconnect(member->lineEdit(), &QLineEdit::editingFinished, member, nullptr);
        member->installEventFilter(this);
    }
    listFocusHandlers.push_back({ &list, gotFocus, lostFocus });
}

bool MainForm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (IsControlFocusChange(static_cast<QFocusEvent *>(event)))
            RunFocusHandler(qobject_cast<QWidget *>(watched), event->type() == QEvent::FocusIn);
        break;
    case QEvent::MouseButtonPress:
        if (watched == ui->Option1)
            Option1_MouseDown();
        break;
    case QEvent::ShortcutOverride:
        // Line edits claim Ctrl+A and the like for themselves; the menu's
        // shortcuts come first in this window.
        if (IsMenuShortcut(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        // With Shift or Ctrl held Qt would move among the options itself and
        // keep the focus on the new one, after its click handler.
        if (auto *button = qobject_cast<QRadioButton *>(watched);
            button && MoveAmongOptions(button, key->key()))
            return true;
        if (key->modifiers() & ~Qt::KeypadModifier)
            break;
        if (key->key() == Qt::Key_Escape) {
            ui->Command3->click();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            auto *pushButton = qobject_cast<QPushButton *>(watched);
            (pushButton ? pushButton : ui->Command1)->click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The arrow keys move to the next option of the group, round the end, and
// select it. The focus goes first, so that a click handler that moves it on
// to an entry has the last word.
bool MainForm::MoveAmongOptions(QRadioButton *from, int key)
{
    int step = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Right)
        step = 1;
    else if (key == Qt::Key_Up || key == Qt::Key_Left)
        step = -1;
    QButtonGroup *group = from->group();
    if (step == 0 || !group)
        return false;
    const QList<QAbstractButton *> buttons = group->buttons();
    const auto count = buttons.size();
    const auto start = buttons.indexOf(from);
    for (qsizetype n = 1; n < count; ++n) {
        QAbstractButton *candidate = buttons[((start + step * n) % count + count) % count];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setFocus(Qt::TabFocusReason);
            candidate->setChecked(true);
            break;
        }
    }
    return true;
}

// Tab stops at the selected option of a group, or at every option while none is.
void MainForm::KeepTabStopOnSelected(QButtonGroup *group)
{
    const QAbstractButton *selected = group->checkedButton();
    const auto buttons = group->buttons();
    for (QAbstractButton *button : buttons) {
        const bool stop = !selected || button == selected;
        button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void MainForm::RunFocusHandler(QWidget *control, bool gained)
{
    for (const ListFocusHandlers &handlers : listFocusHandlers) {
        for (int index = 0; index < 2; ++index) {
            QComboBox *member = (*handlers.members)[index];
            if (control == member) {
                (this->*(gained ? handlers.gotFocus : handlers.lostFocus))(index);
                return;
            }
        }
    }
}

void MainForm::ComposeTitle()
{
    setWindowTitle(TitleUnits + TitleMode + kTitleTail + QString(kBlanksBeforeAddress, u' ')
        + kContactAddress);
}

void MainForm::ShowMessage(ratedload::calc::Message message)
{
    const ratedload::calc::MessageText text = ratedload::calc::TextOf(message);
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(text.title.data(), text.title.size()),
        QString::fromUtf8(text.prompt.data(), text.prompt.size()), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.setFont(DesignFont());
    // Some styles put an icon on the standard buttons; the design's box has none.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

// Moving the focus from code enters and leaves controls as the user's moves
// do. While a message box has just closed the window is not active yet, and
// the toolkit would only hand over the focus on reactivation, as no entering
// of a control; the handlers run here instead.
void MainForm::SetFocusTo(QWidget *control)
{
    QWidget *before = focusWidget();
    if (before && before->focusProxy())
        before = before->focusProxy();
    const bool delivered = isActiveWindow();
    control->setFocus(Qt::OtherFocusReason);
    if (delivered || before == control)
        return;
    if (before)
        RunFocusHandler(before, false);
    RunFocusHandler(control, true);
}

// An exclusive group refuses to leave its checked button unchecked; the
// design needs groups with no button selected.
void MainForm::Deselect(QAbstractButton *button)
{
    QButtonGroup *group = button->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive)
        group->setExclusive(false);
    const bool autoExclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (exclusive)
        group->setExclusive(true);
}

void MainForm::SetCaptionColour(QWidget *control, Qt::GlobalColor colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    control->setPalette(palette);
}
