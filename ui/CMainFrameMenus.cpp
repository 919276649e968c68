// The menus, the toolbar and the keys of the window, each command's action named by its id.
#include "CMainFrame.h"

#include "CheckedSubmenu.h"
#include "CommandId.h"
#include "CommandTable.h"
#include "ControlId.h"
#include "SvgIcon.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <map>
#include <span>
#include <string>
#include <tuple>

namespace {

// The neck lengths the Frets submenu offers, in frets.
constexpr int kFretChoices[] = {12, 15, 17, 19, 21, 22, 24};

// A radio submenu of menu called title whose items (objectName, text, value) form group.
template <class Value, std::size_t N>
QActionGroup* RadioMenu(QMenu* menu, const char* name, const char* title,
                        const std::tuple<const char*, const char*, Value> (&items)[N],
                        QObject* owner)
{
    QMenu* submenu = menu->addMenu(QString::fromLatin1(title));
    submenu->setObjectName(QString::fromLatin1(name));
    new CheckedSubmenu(menu, submenu);
    auto* group = new QActionGroup(owner);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const auto& [objectName, text, value] : items) {
        auto* choice = new QAction(QString::fromLatin1(text), group);
        choice->setObjectName(QString::fromLatin1(objectName));
        choice->setCheckable(true);
        choice->setData(static_cast<int>(value));
        submenu->addAction(choice);
    }
    return group;
}

} // namespace

QAction* CMainFrame::MakeAction(CommandId id, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setObjectName(IdName(id));
    if (const CommandInfo* info = CommandTable::Find(id)) {
        action->setStatusTip(QString::fromUtf8(info->prompt));
        action->setToolTip(QString::fromUtf8(info->tip));
        if (info->icon != nullptr) {
            action->setIcon(SvgIcon::Load(QString::fromLatin1(info->icon), QSize(16, 15),
                                          SvgIcon::InkFor(palette())));
            m_iconActions.emplace_back(action, info->icon);
        }
    }
    addAction(action);
    return action;
}

void CMainFrame::CreateToolBarAndMenu()
{
    struct Item
    {
        CommandId id; // None: a separator
        const char* text;
        void (CMainFrame::*handler)();
    };
    using enum CommandId;
    const Item scaleMenu[] = {{NewScale, "&New\tCtrl+N", &CMainFrame::OnNewScale},
                              {SaveScale, "&Save\tCtrl+S", &CMainFrame::OnSaveScale},
                              {ForgetScale, "Forget ", &CMainFrame::OnForgetScale},
                              {None, nullptr, nullptr},
                              {Print, "&Print...\tCtrl+P", &CMainFrame::OnPrint},
                              {PrintPreview, "Print Pre&view", &CMainFrame::OnPrintPreview},
                              {PrintSetup, "P&rint Setup...", &CMainFrame::OnPrintSetup},
                              {None, nullptr, nullptr},
                              {Exit, "E&xit", nullptr}};
    const Item patternMenu[] = {
        {SetPattern, "&Set Pattern", &CMainFrame::OnSetPattern},
        {FindPattern, "&Find Pattern", &CMainFrame::OnFindPattern},
        {None, nullptr, nullptr},
        {PrevPattern, "&Previous Pattern", &CMainFrame::OnPrevPattern},
        {NextPattern, "&Next Pattern", &CMainFrame::OnNextPattern},
        {ModulateDown, "Modulate Pattern Down", &CMainFrame::OnModulateDown},
        {ModulateUp, "Modulate Pattern Up", &CMainFrame::OnModulateUp},
        {None, nullptr, nullptr},
        {RemovePattern, "&Remove Pattern", &CMainFrame::OnRemovePattern}};
    const Item soundMenu[] = {{PlayIt, "&Play it", &CMainFrame::OnPlayIt},
                              {TuneUp, "&Tune up", &CMainFrame::OnTuneUp}};
    const Item helpMenu[] = {{Configure, "&Configure Pinto", &CMainFrame::OnConfigure},
                             {About, "&About Pinto...", &CMainFrame::OnAbout}};

    std::map<CommandId, QAction*> actions;
    std::map<std::string, QMenu*> menus;
    auto fill = [&](const char* title, std::span<const Item> items) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(title));
        menus[title] = menu;
        for (const Item& item : items) {
            if (item.id == None) {
                menu->addSeparator();
                continue;
            }
            QAction* action = MakeAction(item.id, QString::fromLatin1(item.text));
            if (item.handler != nullptr) {
                connect(action, &QAction::triggered, this, item.handler);
            }
            menu->addAction(action);
            actions[item.id] = action;
        }
        return menu;
    };
    menuBar()->setObjectName(IdName(ControlId::MainFrame));
    QMenu* scale = fill("&Scale", scaleMenu);
    AddScaleCommands(scale, actions[ForgetScale], actions[PrintSetup]);
    // The instrument's tunings, the capo and the chords of the scale follow Choose Scale.
    const QList<QAction*> scaleItems = scale->actions();
    CreateNeckMenus(scale, scaleItems.at(scaleItems.indexOf(actions[Print]) - 1));
    fill("&Pattern Find", patternMenu);
    fill("&Sound", soundMenu);
    AddPracticeItems(menus["&Sound"]);
    CreateDiagramMenu();
    fill("&Help", helpMenu);
    connect(actions[Exit], &QAction::triggered, this, [this] {
        m_exitChosen = true;
        close();
    });

    QAction* direct = MakeAction(PrintDirect, QStringLiteral("Print Direct"));
    connect(direct, &QAction::triggered, this, &CMainFrame::OnPrintDirect);

    // Accelerator table: the program's keys, then the document and editing keys, which the
    // empty document and the read-only window have no use for; Ctrl+C copies the diagram.
    actions[NewScale]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    actions[SaveScale]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    actions[Print]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    const struct
    {
        CommandId id;
        QList<QKeySequence> keys;
    } idleKeys[] = {
        {FileOpen, {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {EditCopy, {QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {EditCut, {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {EditPaste, {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {EditUndo, {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
        {NextPane, {QKeySequence(Qt::Key_F6)}},
        {PrevPane, {QKeySequence(Qt::SHIFT | Qt::Key_F6)}},
    };
    for (const auto& key : idleKeys) {
        MakeAction(key.id, QString())->setShortcuts(key.keys);
    }

    m_toolBar = new QToolBar(QStringLiteral("Standard"), this);
    m_toolBar->setObjectName(IdName(ControlId::ToolBar));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->toggleViewAction()->setStatusTip(QStringLiteral("Show or hide the toolbar"));
    m_toolBar->toggleViewAction()->setToolTip(QStringLiteral("Toggle ToolBar"));
    for (CommandId id : CommandTable::ToolBar()) {
        if (id == None) {
            m_toolBar->addSeparator();
        } else {
            m_toolBar->addAction(actions.at(id));
        }
    }
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateDiagramMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Diagram"));
    auto add = [this, menu](const char* name, const char* text, void (CMainFrame::*handler)()) {
        auto* action = new QAction(QString::fromLatin1(text), this);
        action->setObjectName(QString::fromLatin1(name));
        if (handler != nullptr) {
            connect(action, &QAction::triggered, this, handler);
        }
        menu->addAction(action);
        addAction(action);
        return action;
    };
    m_leftHanded = add("leftHanded", "&Left-handed", &CMainFrame::OnDiagramToggled);
    m_lowStringOnTop = add("lowStringOnTop", "Low string on &top", &CMainFrame::OnDiagramToggled);
    m_noteNamesByKey = add("noteNamesByKey", "Note names by &key", &CMainFrame::OnDiagramToggled);
    m_rootAsSharp = add("rootAsSharp", "Root as Sharp", nullptr);
    m_rootAsFlat = add("rootAsFlat", "Root as Flat", nullptr);
    for (QAction* toggle :
         {m_leftHanded, m_lowStringOnTop, m_noteNamesByKey, m_rootAsSharp, m_rootAsFlat}) {
        toggle->setCheckable(true);
    }
    for (QAction* toggle : {m_rootAsSharp, m_rootAsFlat}) {
        connect(toggle, &QAction::triggered, this,
                [this, toggle] { OnRootSpellingToggled(toggle); });
    }
    QMenu* names = menu->addMenu(QStringLiteral("Degree &Names"));
    names->setObjectName(QStringLiteral("degreeNamesMenu"));
    new CheckedSubmenu(menu, names);
    m_degreeNameChoices = new QActionGroup(this);
    const struct
    {
        const char* name;
        const char* text;
        DegreeNaming naming;
    } namings[] = {{"degreeNamesClassic", "&Classic (-3, +4)", DegreeNaming::Classic},
                   {"degreeNamesFlats", "&Flats and Sharps (b3, #4)", DegreeNaming::FlatsAndSharps},
                   {"degreeNamesIntervals", "&Intervals (m3, P5)", DegreeNaming::Intervals}};
    for (const auto& naming : namings) {
        auto* choice = new QAction(QString::fromLatin1(naming.text), m_degreeNameChoices);
        choice->setObjectName(QString::fromLatin1(naming.name));
        choice->setCheckable(true);
        choice->setData(static_cast<int>(naming.naming));
        names->addAction(choice);
    }
    connect(m_degreeNameChoices, &QActionGroup::triggered, this, &CMainFrame::OnDegreeNamesChosen);
    names->addSeparator();
    m_rootAsR = new QAction(QStringLiteral("Root as &R"), this);
    m_rootAsR->setObjectName(QStringLiteral("rootAsR"));
    m_rootAsR->setCheckable(true);
    connect(m_rootAsR, &QAction::triggered, this, &CMainFrame::OnDiagramToggled);
    names->addAction(m_rootAsR);
    QMenu* frets = menu->addMenu(QStringLiteral("&Frets"));
    frets->setObjectName(QStringLiteral("fretsMenu"));
    new CheckedSubmenu(menu, frets);
    m_fretChoices = new QActionGroup(this);
    m_fretChoices->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int count : kFretChoices) {
        auto* choice = new QAction(QString::number(count), m_fretChoices);
        choice->setObjectName(QStringLiteral("frets%1").arg(count));
        choice->setCheckable(true);
        choice->setData(count);
        frets->addAction(choice);
    }
    connect(m_fretChoices, &QActionGroup::triggered, this, &CMainFrame::OnFretsChosen);
    add("fretRange", "Fret &Range...", &CMainFrame::OnFretRange);
    add("wholeNeck", "&Whole Neck\tCtrl+0", &CMainFrame::OnWholeNeck)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    const std::tuple<const char*, const char*, DiagramLook> looks[] = {
        {"lookClassic", "&Classic", DiagramLook::Classic},
        {"lookModern", "&Modern", DiagramLook::Modern}};
    m_lookChoices = RadioMenu(menu, "lookMenu", "L&ook", looks, this);
    connect(m_lookChoices, &QActionGroup::triggered, this, &CMainFrame::OnLookChosen);
    const std::tuple<const char*, const char*, ColourScheme> colours[] = {
        {"coloursSystem", "&System", ColourScheme::System},
        {"coloursLight", "&Light", ColourScheme::Light},
        {"coloursDark", "&Dark", ColourScheme::Dark}};
    m_colourChoices = RadioMenu(menu, "coloursMenu", "Colo&urs", colours, this);
    connect(m_colourChoices, &QActionGroup::triggered, this, &CMainFrame::OnColoursChosen);
    menu->addSeparator();
    add("copyDiagram", "&Copy Diagram\tCtrl+C", &CMainFrame::OnCopyDiagram)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    add("exportDiagram", "&Export Diagram...\tCtrl+E", &CMainFrame::OnExportDiagram)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
}

void CMainFrame::ReloadIcons()
{
    const QColor ink = SvgIcon::InkFor(palette());
    for (const auto& [action, path] : m_iconActions) {
        action->setIcon(SvgIcon::Load(QString::fromLatin1(path), QSize(16, 15), ink));
    }
}
