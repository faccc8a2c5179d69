#include "search/search_dialog.h"

#include "catalog/data_mediator.h"
#include "lang/lang_util.h"
#include "platform/text/cp1251.h"
#include "platform/xml/xml.h"
#include "platform/ui/wait_cursor.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>

namespace search {
namespace {

// The remembered search: program-wide, from the first confirmed search to
// the end of the run.
struct TSavedSearch {
    catalog::TQueryConditions Conditions;
    bool AllConditions = true;
    bool AddToTarget = false;
    catalog::TSelection SearchIn;
    catalog::TSelection Target;
};

TSavedSearch& Saved() {
    static TSavedSearch saved;
    return saved;
}

const char* const ResultsName = "Результаты поиска";

// Index 0 and 1 of every operator box.
QStringList OperatorTexts() {
    return {lang::Translate(QStringLiteral("содержит")), lang::Translate(QStringLiteral("не содержит"))};
}

int FindItem(const QComboBox& box, const QString& text, Qt::CaseSensitivity sensitivity) {
    for (int i = 0; i < box.count(); ++i)
        if (box.itemText(i).compare(text, sensitivity) == 0)
            return i;
    return -1;
}

// Pictures 0 and 1 of the dialog's image list: a plus and a minus.
QIcon ToolPicture(bool plus) {
    QIcon icon;
    for (int scale : {1, 2}) {
        const int size = 16 * scale;
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor base = plus ? QColor(0x2e, 0x7d, 0x32) : QColor(0xc6, 0x28, 0x28);
        QLinearGradient fill(0, 0, 0, size);
        fill.setColorAt(0, base.lighter(135));
        fill.setColorAt(1, base);
        painter.setPen(QPen(base.darker(130), scale));
        painter.setBrush(fill);
        const qreal margin = 1.5 * scale;
        painter.drawEllipse(QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
        painter.setPen(QPen(Qt::white, 2.2 * scale, Qt::SolidLine, Qt::RoundCap));
        const qreal c = size / 2.0;
        const qreal arm = 3.5 * scale;
        painter.drawLine(QPointF(c - arm, c), QPointF(c + arm, c));
        if (plus)
            painter.drawLine(QPointF(c, c - arm), QPointF(c, c + arm));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const char* caption) {
    auto* radio = new QRadioButton(QString::fromUtf8(caption), parent);
    radio->setObjectName(QLatin1String(name));
    return radio;
}

QToolButton* MakeToolButton(QWidget* parent, const char* name, const char* hint, bool plus) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QString::fromUtf8(hint));
    button->setIcon(ToolPicture(plus));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    return button;
}

}  // namespace

TSearchDialog::TSearchDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SearchDialog"));
    setWindowTitle(QStringLiteral("Поиск"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);
    setMinimumSize(671, 390);
    resize(679, 451);

    QWidget* topStrip = BuildTopStrip();
    BuildConditionPanel();
    BuildOptions();
    BuildButtonPanel();

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(topStrip);
    left->addWidget(ConditionPanel, 1);
    auto* bottom = new QVBoxLayout;
    bottom->setContentsMargins(8, 4, BevelWidth, 8);
    bottom->setSpacing(6);
    bottom->addWidget(OptionsGroupBox);
    bottom->addWidget(ProblemsLabel);
    left->addLayout(bottom);
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addLayout(left, 1);
    page->addWidget(rule);
    page->addWidget(ButtonPanel);

    connect(AddConditionButton, &QToolButton::clicked, this, &TSearchDialog::AddConditionButtonClick);
    connect(RemoveConditionButton, &QToolButton::clicked, this, &TSearchDialog::RemoveConditionButtonClick);
    connect(ScrollBar, &QScrollBar::valueChanged, this, &TSearchDialog::ScrollBarScroll);
    connect(FindButton, &QPushButton::clicked, this, &TSearchDialog::FindButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ResetButton, &QPushButton::clicked, this, &TSearchDialog::ResetButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TSearchDialog::HelpButtonClick);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &TSearchDialog::HelpButtonClick);

    LayoutRows();
}

// Right: the buttons. It stands in for the decorative panel of the skinned
// controls: a quiet shade of the window colour.
void TSearchDialog::BuildButtonPanel() {
    ButtonPanel = new QFrame(this);
    ButtonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    ButtonPanel->setFixedWidth(90);
    ButtonPanel->setFrameShape(QFrame::NoFrame);
    ButtonPanel->setAutoFillBackground(true);
    {
        QPalette palette = ButtonPanel->palette();
        QLinearGradient shade(0, 0, 0, 1);
        shade.setCoordinateMode(QGradient::ObjectMode);
        const QColor window = palette.color(QPalette::Window);
        shade.setColorAt(0, window.lighter(104));
        shade.setColorAt(1, window.darker(108));
        palette.setBrush(QPalette::Window, shade);
        ButtonPanel->setPalette(palette);
    }
    FindButton = MakeButton(ButtonPanel, "FindButton", "Найти");
    FindButton->setDefault(true);
    CancelButton = MakeButton(ButtonPanel, "CancelButton", "Отмена");
    ResetButton = MakeButton(ButtonPanel, "ResetButton", "Сброс");
    HelpButton = MakeButton(ButtonPanel, "HelpButton", "Справка");
    auto* buttons = new QVBoxLayout(ButtonPanel);
    buttons->setContentsMargins(8, 10, 8, 10);
    buttons->setSpacing(6);
    buttons->addWidget(FindButton);
    buttons->addWidget(CancelButton);
    buttons->addSpacing(14);
    buttons->addWidget(ResetButton);
    buttons->addWidget(HelpButton);
    buttons->addStretch(1);
}

// Top strip: the tab to search in.
QWidget* TSearchDialog::BuildTopStrip() {
    auto* topStrip = new QWidget(this);
    topStrip->setObjectName(QStringLiteral("TopPanel"));
    topStrip->setFixedHeight(40);
    FindInLabel = new QLabel(QStringLiteral("Поиск в закладке"), topStrip);
    FindInLabel->setObjectName(QStringLiteral("FindInLabel"));
    FindInComboBox = new QComboBox(topStrip);
    FindInComboBox->setObjectName(QStringLiteral("FindInComboBox"));
    FindInComboBox->addItem(QStringLiteral("Все компании"), 0);
    FindInLabel->setBuddy(FindInComboBox);
    auto* top = new QHBoxLayout(topStrip);
    top->setContentsMargins(8, 8, BevelWidth, 4);
    top->setSpacing(8);
    top->addWidget(FindInLabel);
    top->addWidget(FindInComboBox, 1);
    return topStrip;
}

// Middle: the rows, placed by LayoutRows, with their caption, tool buttons
// and scroll bar.
void TSearchDialog::BuildConditionPanel() {
    ConditionPanel = new QWidget(this);
    ConditionPanel->setObjectName(QStringLiteral("ConditionPanel"));
    ConditionPanel->installEventFilter(this);
    ConditionLabel = new QLabel(QStringLiteral("Искать"), ConditionPanel);
    ConditionLabel->setObjectName(QStringLiteral("ConditionLabel"));
    ConditionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AddConditionButton = MakeToolButton(ConditionPanel, "AddConditionButton", "Добавить условие", true);
    RemoveConditionButton = MakeToolButton(ConditionPanel, "RemoveConditionButton", "Удалить условие", false);
    RemoveConditionButton->setEnabled(false);
    ScrollBar = new QScrollBar(Qt::Vertical, ConditionPanel);
    ScrollBar->setObjectName(QStringLiteral("ScrollBar"));
    ScrollBar->setSingleStep(ScrollStep);
    ScrollBar->setRange(0, 0);
    ScrollBar->hide();
    Bevel = new QWidget(ConditionPanel);
    Bevel->setObjectName(QStringLiteral("Bevel"));
    Bevel->setFixedWidth(BevelWidth);
    // Every box of a row is as high as an editable box of the dialog's font.
    m_rowHeight = TValueComboBox(0, ConditionPanel).sizeHint().height();
}

// Bottom: AND or OR, and where the result goes.
void TSearchDialog::BuildOptions() {
    OptionsGroupBox = new QGroupBox(QStringLiteral("Опции"), this);
    OptionsGroupBox->setObjectName(QStringLiteral("OptionsGroupBox"));
    OptionsGroupBox->setFixedHeight(129);
    auto* logicPanel = new QWidget(OptionsGroupBox);
    logicPanel->setObjectName(QStringLiteral("LogicPanel"));
    LogicAndRadioButton = MakeRadio(logicPanel, "LogicAndRadioButton", "Все условия должны выполниться (И)");
    LogicOrRadioButton = MakeRadio(logicPanel, "LogicOrRadioButton", "Любое из условий должно выполниться (ИЛИ)");
    LogicAndRadioButton->setChecked(true);
    auto* logic = new QVBoxLayout(logicPanel);
    logic->setContentsMargins(0, 0, 0, 0);
    logic->setSpacing(4);
    logic->addWidget(LogicAndRadioButton);
    logic->addWidget(LogicOrRadioButton);

    TargetPanel = new QWidget(OptionsGroupBox);
    TargetPanel->setObjectName(QStringLiteral("TargetPanel"));
    PlaceInLabel = new QLabel(QStringLiteral("Поместить результат в закладку"), TargetPanel);
    PlaceInLabel->setObjectName(QStringLiteral("PlaceInLabel"));
    PlaceInComboBox = new QComboBox(TargetPanel);
    PlaceInComboBox->setObjectName(QStringLiteral("PlaceInComboBox"));
    PlaceInComboBox->setEditable(true);
    PlaceInComboBox->setInsertPolicy(QComboBox::NoInsert);
    PlaceInComboBox->setCompleter(nullptr);
    PlaceInLabel->setBuddy(PlaceInComboBox);
    ReplaceResultRadioButton = MakeRadio(TargetPanel, "ReplaceResultRadioButton", "Замещать результаты");
    AddResultRadioButton = MakeRadio(TargetPanel, "AddResultRadioButton", "Добавлять результаты");
    ReplaceResultRadioButton->setChecked(true);
    auto* placeIn = new QHBoxLayout;
    placeIn->setSpacing(8);  // the box starts 8 pixels after its label, in every language
    placeIn->addWidget(PlaceInLabel);
    placeIn->addWidget(PlaceInComboBox, 1);
    auto* mode = new QHBoxLayout;
    mode->setSpacing(16);
    mode->addWidget(ReplaceResultRadioButton);
    mode->addWidget(AddResultRadioButton);
    mode->addStretch(1);
    auto* target = new QVBoxLayout(TargetPanel);
    target->setContentsMargins(0, 0, 0, 0);
    target->setSpacing(4);
    target->addLayout(placeIn);
    target->addLayout(mode);

    auto* options = new QVBoxLayout(OptionsGroupBox);
    options->setContentsMargins(10, 6, 10, 8);
    options->setSpacing(8);
    options->addWidget(logicPanel);
    options->addWidget(TargetPanel);
    options->addStretch(1);

    ProblemsLabel = new QLabel(
        QStringLiteral("* При возникновении проблем с поиском нажмите кнопку \"Сброс\" и повторите поиск"), this);
    ProblemsLabel->setObjectName(QStringLiteral("ProblemsLabel"));
    ProblemsLabel->setWordWrap(true);
    {
        QFont bold = ProblemsLabel->font();
        bold.setBold(true);
        ProblemsLabel->setFont(bold);
        QPalette palette = ProblemsLabel->palette();
        palette.setColor(QPalette::WindowText, QColor(0xc0, 0x00, 0x00));
        ProblemsLabel->setPalette(palette);
    }
}

TSearchDialog::~TSearchDialog() = default;

void TSearchDialog::Initialize(catalog::IDataMediator& Mediator, bool RestoreState) {
    m_mediator = &Mediator;
    RemoveAllRows();

    catalog::TSelectionList selections;
    Mediator.GetSelections(selections);
    FindInComboBox->clear();
    for (const catalog::TSelection& selection : selections)
        FindInComboBox->addItem(text::fromCp1251(selection.Name), selection.ID);
    FindInComboBox->setCurrentIndex(FindInComboBox->count() > 0 ? 0 : -1);

    // The whole catalog is no target.
    PlaceInComboBox->clear();
    for (std::size_t i = 1; i < selections.size(); ++i)
        PlaceInComboBox->addItem(text::fromCp1251(selections[i].Name), selections[i].ID);
    const QString results = lang::Translate(QString::fromUtf8(ResultsName));
    if (FindItem(*PlaceInComboBox, results, Qt::CaseInsensitive) < 0)
        PlaceInComboBox->addItem(results, 0);
    PlaceInComboBox->setCurrentIndex(FindItem(*PlaceInComboBox, results, Qt::CaseInsensitive));

    xml::XmlDocument definition;
    Mediator.LoadSearchDefinition(definition);
    m_captions.clear();
    m_indexPaths.clear();
    m_fieldPaths.clear();
    for (const catalog::TSearchEntity& entity : catalog::SearchEntities(definition)) {
        m_captions.push_back(entity.Name);
        m_indexPaths.push_back(entity.Index);
        m_fieldPaths.push_back(entity.Path);
    }
    FitColumns();
    for (std::size_t i = 0; i < m_captions.size(); ++i) {
        AddConditionRow();
        m_rows.back().FieldBox->setCurrentIndex(static_cast<int>(i));
    }

    if (RestoreState && !Saved().Conditions.empty()) {
        RestoreSavedState();
        ScrollToTop();
    }
    UpdateScrollRange();
    LayoutRows();
}

bool TSearchDialog::Execute() {
    // The final sizes now, so that showing the window changes nothing.
    if (QLayout* page = layout())
        page->activate();
    UpdateScrollRange();
    LayoutRows();
    m_laidOutPanelSize = ConditionPanel->size();
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted)
        return false;
    SaveState();
    return true;
}

catalog::TQueryConditions TSearchDialog::GetConditions() const {
    catalog::TQueryConditions conditions;
    for (const TConditionRow& row : m_rows) {
        const int field = row.FieldBox->currentIndex();
        const QString value = row.ValueBox->currentText();
        if (field < 0 || static_cast<std::size_t>(field) >= m_fieldPaths.size() || value.isEmpty())
            continue;
        conditions.push_back({m_fieldPaths[static_cast<std::size_t>(field)], text::toCp1251(value),
                              row.OperatorBox->currentIndex() == 1});
    }
    return conditions;
}

bool TSearchDialog::AllConditionsRequired() const { return LogicAndRadioButton->isChecked(); }

bool TSearchDialog::AddToTarget() const { return AddResultRadioButton->isChecked(); }

catalog::TSelection TSearchDialog::GetSearchIn() const {
    catalog::TSelection selection;
    const int index = FindInComboBox->currentIndex();
    if (index >= 0) {
        selection.ID = FindInComboBox->itemData(index).toInt();
        selection.Name = text::toCp1251(FindInComboBox->itemText(index));
    }
    return selection;
}

catalog::TSelection TSearchDialog::GetTarget() const {
    QString name = PlaceInComboBox->currentText();
    int index = -1;
    if (!name.isEmpty()) {
        // A text typed over the chosen item is a new name.
        const int current = PlaceInComboBox->currentIndex();
        if (current >= 0 && PlaceInComboBox->itemText(current) == name)
            index = current;
    } else {
        name = lang::Translate(QString::fromUtf8(ResultsName));
        index = FindItem(*PlaceInComboBox, name, Qt::CaseInsensitive);
    }
    catalog::TSelection target;
    target.Name = text::toCp1251(name);
    const int id = index >= 0 ? PlaceInComboBox->itemData(index).toInt() : 0;
    target.ID = id != 0 ? id : -1;
    return target;
}

void TSearchDialog::SaveState() {
    TSavedSearch& saved = Saved();
    saved.Conditions.clear();
    for (const TConditionRow& row : m_rows) {
        const int field = row.FieldBox->currentIndex();
        catalog::TQueryCondition condition;
        if (field >= 0 && static_cast<std::size_t>(field) < m_fieldPaths.size())
            condition.Path = m_fieldPaths[static_cast<std::size_t>(field)];
        condition.Value = text::toCp1251(row.ValueBox->currentText());
        condition.Negate = row.OperatorBox->currentIndex() == 1;
        saved.Conditions.push_back(std::move(condition));
    }
    saved.AllConditions = AllConditionsRequired();
    saved.AddToTarget = AddToTarget();
    saved.SearchIn = GetSearchIn();
    saved.Target = GetTarget();
}

void TSearchDialog::RestoreSavedState() {
    const TSavedSearch& saved = Saved();
    while (m_rows.size() < saved.Conditions.size())
        AddConditionRow();
    while (m_rows.size() > saved.Conditions.size())
        RemoveLastRow();

    for (std::size_t i = 0; i < saved.Conditions.size(); ++i) {
        const catalog::TQueryCondition& condition = saved.Conditions[i];
        const QString path = text::fromCp1251(condition.Path);
        int field = -1;
        for (std::size_t f = 0; f < m_fieldPaths.size() && field < 0; ++f)
            if (text::fromCp1251(m_fieldPaths[f]).compare(path, Qt::CaseInsensitive) == 0)
                field = static_cast<int>(f);
        const TConditionRow& row = m_rows[i];
        row.FieldBox->setCurrentIndex(field);
        row.ValueBox->setEditText(text::fromCp1251(condition.Value));
        row.OperatorBox->setCurrentIndex(condition.Negate ? 1 : 0);
    }

    (saved.AllConditions ? LogicAndRadioButton : LogicOrRadioButton)->setChecked(true);
    (saved.AddToTarget ? AddResultRadioButton : ReplaceResultRadioButton)->setChecked(true);

    const int searchIn = FindItem(*FindInComboBox, text::fromCp1251(saved.SearchIn.Name), Qt::CaseSensitive);
    if (searchIn >= 0)
        FindInComboBox->setCurrentIndex(searchIn);

    const QString targetName = text::fromCp1251(saved.Target.Name);
    const int target = FindItem(*PlaceInComboBox, targetName, Qt::CaseSensitive);
    if (target >= 0)
        PlaceInComboBox->setCurrentIndex(target);
    else if (!targetName.isEmpty())
        PlaceInComboBox->setEditText(targetName);
}

void TSearchDialog::ClearSavedState() { Saved() = TSavedSearch(); }

void TSearchDialog::AddConditionButtonClick() {
    AddConditionRow();
    UpdateScrollRange();
    ScrollToBottom();
    LayoutRows();
    m_rows.back().FieldBox->setFocus();
}

void TSearchDialog::RemoveConditionButtonClick() {
    // The last remaining row stays.
    if (m_rows.size() < 2)
        return;
    RemoveLastRow();
    UpdateScrollRange();
    ScrollToBottom();
    LayoutRows();
}

void TSearchDialog::ScrollBarScroll() {
    // The scroll bar's range already stops at maximum - panel height.
    LayoutRows();
}

void TSearchDialog::ConditionPanelResize() {
    m_laidOutPanelSize = ConditionPanel->size();
    UpdateScrollRange();
    ScrollToBottom();
    LayoutRows();
}

void TSearchDialog::FindButtonClick() {
    if (FilledRowCount() > 0) {
        accept();
        return;
    }
    QMessageBox::warning(this, lang::Translate(QStringLiteral("Марвеник")),
                         lang::Translate(QStringLiteral("Нечего искать. Пожалуйста, задайте верное условие!")),
                         QMessageBox::Ok);
}

void TSearchDialog::ResetButtonClick() {
    if (!m_mediator)
        return;
    Initialize(*m_mediator, false);
    UpdateScrollRange();
    ScrollToBottom();
    LayoutRows();
}

void TSearchDialog::HelpButtonClick() { emit HelpRequested(HelpTopic); }

bool TSearchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ConditionPanel && event->type() == QEvent::Resize) {
        // Showing the window resends the size it already has.
        if (ConditionPanel->size() != m_laidOutPanelSize)
            ConditionPanelResize();
    } else if (event->type() == QEvent::Wheel && !ScrollBar->isHidden()) {
        // The wheel scrolls the rows unless a box has the focus.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == ConditionPanel || (widget && !widget->hasFocus())) {
            QCoreApplication::sendEvent(ScrollBar, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSearchDialog::FitColumns() {
    // Fusion's boxes take more room around the text than the form's did;
    // captions and translated operators should not be cut.
    TFieldComboBox field(ConditionPanel);
    for (const std::string& caption : m_captions)
        field.addItem(text::fromCp1251(caption));
    m_fieldWidth = std::clamp(field.sizeHint().width(), MinFieldWidth, MaxFieldWidth);
    QComboBox operation(ConditionPanel);
    operation.addItems(OperatorTexts());
    m_operatorWidth = std::max(operation.sizeHint().width(), MinOperatorWidth);
}

void TSearchDialog::AddConditionRow() {
    TConditionRow row;
    const int tag = RowCount();
    row.FieldBox = new TFieldComboBox(ConditionPanel);
    row.FieldBox->setObjectName(QStringLiteral("FieldComboBox%1").arg(tag));
    for (const std::string& caption : m_captions)
        row.FieldBox->addItem(text::fromCp1251(caption));
    row.FieldBox->setCurrentIndex(-1);

    row.OperatorBox = new QComboBox(ConditionPanel);
    row.OperatorBox->setObjectName(QStringLiteral("OperatorComboBox%1").arg(tag));
    row.OperatorBox->addItems(OperatorTexts());
    row.OperatorBox->setCurrentIndex(0);

    row.ValueBox = new TValueComboBox(tag, ConditionPanel);
    row.ValueBox->setObjectName(QStringLiteral("ValueComboBox%1").arg(tag));
    connect(row.ValueBox, &TValueComboBox::DroppingDown, this, &TSearchDialog::LoadSuggestions);

    const int height = m_rowHeight;
    for (QComboBox* box : {static_cast<QComboBox*>(row.FieldBox), row.OperatorBox,
                           static_cast<QComboBox*>(row.ValueBox)}) {
        box->setFocusPolicy(Qt::StrongFocus);
        box->installEventFilter(this);
        box->show();
    }
    row.FieldBox->setGeometry(FieldLeft, 0, m_fieldWidth, height);
    row.OperatorBox->setGeometry(OperatorBoxLeft(), 0, m_operatorWidth, height);
    row.ValueBox->setGeometry(ValueBoxLeft(), 0, std::max(0, ConditionPanel->width() - BevelWidth - ValueBoxLeft()),
                              height);
    // Keep the tab order in row order, also for rows added later.
    QWidget* previous = m_rows.empty() ? static_cast<QWidget*>(FindInComboBox) : m_rows.back().ValueBox;
    setTabOrder(previous, row.FieldBox);
    setTabOrder(row.FieldBox, row.OperatorBox);
    setTabOrder(row.OperatorBox, row.ValueBox);
    m_rows.push_back(row);
    ScrollBar->raise();
}

void TSearchDialog::RemoveLastRow() {
    if (m_rows.empty())
        return;
    const TConditionRow row = m_rows.back();
    m_rows.pop_back();
    delete row.FieldBox;
    delete row.OperatorBox;
    delete row.ValueBox;
}

void TSearchDialog::RemoveAllRows() {
    while (!m_rows.empty())
        RemoveLastRow();
}

void TSearchDialog::LoadSuggestions(int Tag) {
    if (!m_mediator || Tag < 0 || Tag >= RowCount())
        return;
    TValueComboBox* box = m_rows[static_cast<std::size_t>(Tag)].ValueBox;
    const int field = m_rows[static_cast<std::size_t>(Tag)].FieldBox->currentIndex();
    if (field < 0 || static_cast<std::size_t>(field) >= m_fieldPaths.size())
        return;
    const auto f = static_cast<std::size_t>(field);
    std::vector<std::string> values;
    {
        const ui::TWaitCursor wait;
        if (!m_indexPaths[f].empty())
            m_mediator->ListIndexValues(m_indexPaths[f], values);
        else
            m_mediator->ListDistinctValues(m_fieldPaths[f], values);
    }
    QStringList items;
    items.reserve(static_cast<qsizetype>(values.size()));
    for (const std::string& value : values)
        items.append(text::fromCp1251(value));
    box->SetSuggestions(items);
}

void TSearchDialog::LayoutRows() {
    const int panelWidth = ConditionPanel->width();
    const int panelHeight = ConditionPanel->height();
    const bool scrolling = !ScrollBar->isHidden();
    Bevel->setGeometry(panelWidth - BevelWidth, 0, BevelWidth, panelHeight);
    ScrollBar->setGeometry(panelWidth - BevelWidth - ScrollBarWidth, 0, ScrollBarWidth, panelHeight);

    const int height = m_rowHeight;
    const int firstTop = FirstRowTop - ScrollBar->value();
    ConditionLabel->setGeometry(8, firstTop, AddButtonLeft + 2 * ToolButtonWidth - 8, height);
    int top = firstTop;
    const int valueLeft = ValueBoxLeft();
    const int valueWidth = panelWidth - BevelWidth - (scrolling ? ScrollBarWidth + 8 : 0) - valueLeft;
    for (const TConditionRow& row : m_rows) {
        row.FieldBox->move(FieldLeft, top);
        row.OperatorBox->move(OperatorBoxLeft(), top);
        row.ValueBox->setGeometry(valueLeft, top, std::max(0, valueWidth), row.ValueBox->height());
        top += row.ValueBox->height() + RowGap;
    }
    // Beside the last row when it can be removed, else below the only row.
    if (m_rows.size() >= 2) {
        RemoveConditionButton->setEnabled(true);
        top = m_rows.back().ValueBox->y();
    } else
        RemoveConditionButton->setEnabled(false);
    AddConditionButton->setGeometry(AddButtonLeft, top, ToolButtonWidth, height);
    RemoveConditionButton->setGeometry(RemoveButtonLeft, top, ToolButtonWidth, height);
}

void TSearchDialog::UpdateScrollRange() {
    int total = FirstRowTop;
    for (const TConditionRow& row : m_rows)
        total += row.ValueBox->height() + RowGap;
    m_scrollMaximum = total + 4;
    const int panelHeight = ConditionPanel->height();
    ScrollBar->setHidden(panelHeight >= m_scrollMaximum);
    // Qt's range ends where the page's bottom meets the maximum.
    ScrollBar->setPageStep(std::max(1, panelHeight));
    ScrollBar->setRange(0, std::max(0, m_scrollMaximum - panelHeight));
}

void TSearchDialog::ScrollToBottom() { ScrollBar->setValue(ScrollBar->maximum()); }

void TSearchDialog::ScrollToTop() { ScrollBar->setValue(0); }

int TSearchDialog::FilledRowCount() const { return static_cast<int>(GetConditions().size()); }

}  // namespace search
