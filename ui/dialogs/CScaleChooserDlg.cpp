#include "CScaleChooserDlg.h"

#include "ScaleCatalog.h"
#include "ScaleNameMatch.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRecordRole = Qt::UserRole;
constexpr int kPageRows = 10;

// The scales of the tree, in the order shown.
QList<QTreeWidgetItem*> Leaves(const QTreeWidget& tree)
{
    QList<QTreeWidgetItem*> leaves;
    for (int g = 0; g < tree.topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = tree.topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            leaves << group->child(i);
        }
    }
    return leaves;
}

QString Joined(const std::vector<std::string>& words, std::size_t from)
{
    QStringList list;
    for (std::size_t i = from; i < words.size(); ++i) {
        list << QString::fromStdString(words[i]);
    }
    return list.join(QStringLiteral(", "));
}

} // namespace

CScaleChooserDlg::CScaleChooserDlg(const ScaleLibrary& library, int root,
                                   const DiagramOptions& options, int current, QWidget* parent)
    : QDialog(parent), m_library(library), m_root(root), m_options(options),
      m_filter(new QLineEdit(this)), m_tree(new QTreeWidget(this)), m_notes(new QLabel(this)),
      m_about(new QLabel(this))
{
    setWindowTitle(tr("Choose Scale"));
    setObjectName(QStringLiteral("scaleChooser"));
    auto* find = new QLabel(tr("&Find (words of a name, e.g. \"lyd dom\"):"), this);
    find->setBuddy(m_filter);
    m_filter->setObjectName(QStringLiteral("scaleFilter"));
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);
    m_tree->setObjectName(QStringLiteral("scaleTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_notes->setObjectName(QStringLiteral("scaleNotes"));
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_about->setObjectName(QStringLiteral("scaleAbout"));
    m_about->setWordWrap(true);
    m_about->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(find);
    layout->addWidget(m_filter);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_notes);
    layout->addWidget(m_about);
    layout->addWidget(buttons);
    resize(440, 520);

    connect(m_filter, &QLineEdit::textChanged, this, &CScaleChooserDlg::Fill);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CScaleChooserDlg::ShowSelected);
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kRecordRole).isValid()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CScaleChooserDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CScaleChooserDlg::reject);

    Fill();
    Select(current);
    m_filter->setFocus();
}

void CScaleChooserDlg::accept()
{
    const int record = SelectedScale();
    if (record < 0) {
        return;
    }
    m_chosen = record;
    QDialog::accept();
}

bool CScaleChooserDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Down:
            Step(1);
            return true;
        case Qt::Key_Up:
            Step(-1);
            return true;
        case Qt::Key_PageDown:
            Step(kPageRows);
            return true;
        case Qt::Key_PageUp:
            Step(-kPageRows);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CScaleChooserDlg::Fill()
{
    int keep = SelectedScale();
    const ScaleCatalog catalog(m_library);
    const std::string typed = m_filter->text().toStdString();
    const std::vector<ScaleGroup> groups = catalog.Groups(ScaleFilter(typed));
    m_tree->clear();
    QFont bold = m_tree->font();
    bold.setBold(true);
    bool named = false;
    for (const ScaleGroup& group : groups) {
        auto* branch = new QTreeWidgetItem(m_tree, {QString::fromStdString(group.title)});
        branch->setFlags(Qt::ItemIsEnabled);
        branch->setFont(0, bold);
        for (int record : group.records) {
            // A whole name typed picks that scale, not the first whose words begin so.
            if (!named && ScaleNameMatch::Same(m_library.Record(record)->name, typed)) {
                keep = record;
                named = true;
            }
            auto* leaf = new QTreeWidgetItem(
                branch, {QString::fromStdString(m_library.Record(record)->name)});
            leaf->setData(0, kRecordRole, record);
        }
    }
    m_tree->expandAll();
    Select(keep);
}

void CScaleChooserDlg::Select(int record)
{
    const QList<QTreeWidgetItem*> leaves = Leaves(*m_tree);
    QTreeWidgetItem* chosen = leaves.isEmpty() ? nullptr : leaves.front();
    for (QTreeWidgetItem* leaf : leaves) {
        if (leaf->data(0, kRecordRole).toInt() == record) {
            chosen = leaf;
            break;
        }
    }
    m_tree->setCurrentItem(chosen);
    if (chosen != nullptr) {
        m_tree->scrollToItem(chosen);
    }
    ShowSelected();
}

void CScaleChooserDlg::Step(int rows)
{
    const QList<QTreeWidgetItem*> leaves = Leaves(*m_tree);
    if (leaves.isEmpty()) {
        return;
    }
    const int at = static_cast<int>(leaves.indexOf(m_tree->currentItem()));
    const int to = std::clamp(at < 0 ? 0 : at + rows, 0, static_cast<int>(leaves.size()) - 1);
    m_tree->setCurrentItem(leaves[to]);
    m_tree->scrollToItem(leaves[to]);
}

int CScaleChooserDlg::SelectedScale() const
{
    const QTreeWidgetItem* item = m_tree->currentItem();
    const QVariant record = item != nullptr ? item->data(0, kRecordRole) : QVariant();
    return record.isValid() ? record.toInt() : -1;
}

void CScaleChooserDlg::ShowSelected()
{
    const int record = SelectedScale();
    const ScaleRecord* scale = m_library.Record(record);
    if (scale == nullptr) {
        m_notes->setText(m_tree->topLevelItemCount() == 0
                             ? tr("No scale has a name with these words.")
                             : QString());
        m_about->clear();
        return;
    }
    std::array<int, 12> degrees{};
    for (std::size_t d = 0; d < degrees.size(); ++d) {
        degrees[d] = scale->degrees[d] != 0 ? 1 : 0;
    }
    const NoteSpeller notes = m_options.spelling == NoteSpelling::Key
                                  ? NoteSpeller::ForKey(m_root, degrees, m_options.rootSpelling)
                                  : NoteSpeller();
    const DegreeSpeller names =
        DegreeSpeller::ForScale(degrees, m_options.degreeNaming, m_options.rootAsR);
    QStringList noteList;
    QStringList degreeList;
    for (int d = 0; d < 12; ++d) {
        if (degrees[static_cast<std::size_t>(d)] != 0) {
            noteList << QString::fromStdString(notes.Name(m_root + d));
            degreeList << QString::fromStdString(names.Name(d));
        }
    }
    m_notes->setText(tr("%1 %2: %3\nDegrees: %4")
                         .arg(QString::fromStdString(notes.Name(m_root)),
                              QString::fromStdString(scale->name), noteList.join(' '),
                              degreeList.join(' ')));
    const ScaleCatalog catalog(m_library);
    QStringList about;
    const int family = catalog.FamilyOf(record);
    if (family >= 0) {
        about << tr("Family: %1.")
                     .arg(QString::fromStdString(
                         m_library.vocabulary.families[static_cast<std::size_t>(family)].name));
    }
    const std::vector<std::string> known = catalog.Names(record);
    if (known.size() > 1) {
        about << tr("Also called %1.").arg(Joined(known, 1));
    }
    if (const VocabularyScale* entry = catalog.Entry(record); entry && !entry->source.empty()) {
        about << tr("Source: %1.").arg(QString::fromStdString(entry->source));
    }
    m_about->setText(about.join(' '));
}
