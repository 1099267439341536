// The inspector's panes: registers, objects, where the run is, zones, breakpoints and the keys that go on.
#include "app/inspect/inspector_window.h"

#include "app/player/player.h"
#include "base/text.h"
#include "present/main_window.h"
#include "present/monitor_window.h"
#include "state/game_session.h"
#include "state/object_store.h"
#include "state/zone_table.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace taluvin {

namespace {

const QColor kChanged(255, 236, 140);

// The component a slot's zones are drawn over: each range of the zone table belongs to one.
const char* surfaceOfSlot(int slot, ScreenModel model) {
  if (slot < 20) return model == ScreenModel::Monitor ? "Monitor" : "Tela";
  if (slot < 40) return "TelCmd";
  if (slot < 60) return "Imp";
  if (slot < 100) return model == ScreenModel::ScrollPage ? "TelMod3" : "moImg";
  return "Visor";
}

QTableWidget* makeTable(const QStringList& headers) {
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
  table->setHorizontalHeaderLabels(headers);
  table->verticalHeader()->setVisible(false);
  table->horizontalHeader()->setStretchLastSection(true);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  return table;
}

QTableWidgetItem* readOnlyItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

}  // namespace

InspectorWindow::InspectorWindow(Player& player, const Debugger* debugger)
    : player_(player), debugger_(debugger) {
  setObjectName("Inspector");
  setWindowTitle("Taluvin inspector");
  resize(460, 520);
  auto* tabs = new QTabWidget;
  tabs->addTab(makeRegisterPane(), "Registers");
  tabs->addTab(makeObjectPane(), "Objects");
  tabs->addTab(makeWherePane(), "Where");
  tabs->addTab(makeZonePane(), "Zones");
  tabs->addTab(makeBreakpointPane(), "Breakpoints");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  state_ = new QLabel;
  layout->addWidget(state_);
  auto* buttons = new QHBoxLayout;
  // F10 and its neighbours are the player's menu; the debugging keys stay off them.
  const struct {
    const char* text;
    const char* key;
    GoOn how;
  } kGoOn[] = {{"Step (F6)", "F6", GoOn::Step},
               {"Continue (F8)", "F8", GoOn::Continue},
               {"Stop run (Shift+F8)", "Shift+F8", GoOn::StopRun}};
  for (const auto& each : kGoOn) {
    auto* button = new QPushButton(each.text);
    const GoOn how = each.how;
    connect(button, &QPushButton::clicked, this, [this, how] { if (onGoOn) onGoOn(how); });
    auto* key = new QShortcut(QKeySequence(QString::fromLatin1(each.key)), this);
    connect(key, &QShortcut::activated, this, [this, how] { if (onGoOn) onGoOn(how); });
    buttons->addWidget(button);
    goOnButtons_.push_back(button);
  }
  layout->addLayout(buttons);
}

InspectorWindow::~InspectorWindow() {
  if (outline_) delete outline_.data();
}

QWidget* InspectorWindow::makeRegisterPane() {
  registers_ = makeTable({"Register", "Value"});
  registers_->setObjectName("InspectorRegisters");
  connect(registers_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!filling_ && item->column() == 1) registerEdited(item->row());
  });
  return registers_;
}

QWidget* InspectorWindow::makeObjectPane() {
  objects_ = makeTable({"Key", "Title", "Place"});
  return objects_;
}

QWidget* InspectorWindow::makeWherePane() {
  where_ = new QLabel;
  where_->setObjectName("InspectorWhere");
  where_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  where_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return where_;
}

QWidget* InspectorWindow::makeZonePane() {
  zones_ = makeTable({"Surface", "Slot", "Left", "Top", "Width", "Height", "Action"});
  zones_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  zones_->setMouseTracking(true);
  zones_->viewport()->installEventFilter(this);
  connect(zones_, &QTableWidget::cellEntered, this, [this](int row, int) { outlineZone(row); });
  return zones_;
}

QWidget* InspectorWindow::makeBreakpointPane() {
  breakpoints_ = new QListWidget;
  if (!debugger_) return breakpoints_;
  for (const LineBreak& at : debugger_->breakpoints().lines())
    breakpoints_->addItem(toQt("before " + at.script + ".scp:" + std::to_string(at.line)));
  for (int index : debugger_->breakpoints().watchedRegisters())
    breakpoints_->addItem(QString("after a line that changes register %1").arg(index));
  return breakpoints_;
}

void InspectorWindow::refresh(bool stopped) {
  stopped_ = stopped;
  filling_ = true;
  fillRegisters();
  fillObjects();
  fillWhere();
  fillZones();
  filling_ = false;
  for (QPushButton* button : goOnButtons_) button->setEnabled(stopped);
  if (stopped && debugger_) {
    const StopPlace& at = debugger_->place();
    state_->setText(toQt("Stopped at " + at.script + ".scp:" + std::to_string(at.line) + " (" + at.reason + ")"));
  } else {
    state_->setText(player_.busy() ? "Running" : "Waiting for the player");
  }
}

void InspectorWindow::fillRegisters() {
  const Lines& values = player_.session().registers.lines();
  const bool first = shownRegisters_.empty();
  registers_->setRowCount(static_cast<int>(values.size()));
  for (size_t i = 0; i < values.size(); ++i) {
    const int row = static_cast<int>(i);
    registers_->setItem(row, 0, readOnlyItem(QString::number(row)));
    auto* value = new QTableWidgetItem(toQt(values[i]));
    if (!stopped_) value->setFlags(value->flags() & ~Qt::ItemIsEditable);
    if (!first && (i >= shownRegisters_.size() || shownRegisters_[i] != values[i])) {
      value->setBackground(kChanged);
      registers_->item(row, 0)->setBackground(kChanged);
    }
    registers_->setItem(row, 1, value);
  }
  shownRegisters_.assign(values.begin(), values.end());
}

void InspectorWindow::registerEdited(int row) {
  QTableWidgetItem* item = registers_->item(row, 1);
  auto& registers = player_.session().registers;
  if (!item || !registers.has(row)) return;
  // Only a stopped run's registers are the author's to change; the table is read-only otherwise.
  if (!stopped_) return;
  registers.set(row, fromQt(item->text()));
  shownRegisters_[static_cast<size_t>(row)] = registers.at(row);
}

void InspectorWindow::fillObjects() {
  const ObjectStore& store = player_.session().objects;
  const int count = store.recordCount();
  objects_->setRowCount(count);
  for (int record = 0; record < count; ++record) {
    objects_->setItem(record, 0, readOnlyItem(toQt(store.key(record))));
    objects_->setItem(record, 1, readOnlyItem(toQt(store.line(record, kObjectName))));
    objects_->setItem(record, 2, readOnlyItem(toQt(store.line(record, kObjectLocation))));
  }
}

void InspectorWindow::fillWhere() {
  const GameSession& session = player_.session();
  std::string text = "Place: " + session.Posic + "\nScreen model: " + session.Modelo.text() +
                     "\nScript: " + session.Script + ".scp";
  const int lines = static_cast<int>(session.ScriptLines.size());
  if (session.CurLine >= 0 && session.CurLine < lines)
    text += "\nLine " + std::to_string(session.CurLine + 1) + ": " + session.ScriptLines[static_cast<size_t>(session.CurLine)];
  // Where the trace's English glosses (src/script/trace_glosses.h, glossFor) join the inspector
  // once that module is in this tree: beside the line above.
  where_->setText(toQt(text));
}

void InspectorWindow::fillZones() {
  outlineZone(-1);
  const GameSession& session = player_.session();
  const ZoneTable& table = session.zones.table;
  zoneSlots_.clear();
  for (int slot = 0; slot < ZoneTable::kSlots; ++slot)
    if (table.slot(slot).active) zoneSlots_.push_back(slot);
  zones_->setRowCount(static_cast<int>(zoneSlots_.size()));
  for (size_t row = 0; row < zoneSlots_.size(); ++row) {
    const int slot = zoneSlots_[row];
    const HotZone& zone = table.slot(slot);
    const QString cells[] = {surfaceOfSlot(slot, session.Modelo.kind()), QString::number(slot),
                             QString::number(zone.left), QString::number(zone.top), QString::number(zone.width),
                             QString::number(zone.height), toQt(zone.action)};
    for (int column = 0; column < 7; ++column)
      zones_->setItem(static_cast<int>(row), column, readOnlyItem(cells[column]));
  }
}

void InspectorWindow::outlineZone(int row) {
  if (outline_) outline_->hide();
  if (row < 0 || row >= static_cast<int>(zoneSlots_.size())) return;
  const int slot = zoneSlots_[static_cast<size_t>(row)];
  const char* name = surfaceOfSlot(slot, player_.session().Modelo.kind());
  QWidget* surface = player_.mainWindow().findChild<QWidget*>(name);
  if (!surface && player_.madeMonitor()) surface = player_.madeMonitor()->findChild<QWidget*>(name);
  if (!surface) return;
  // A frame laid over the surface as a child of it, as the zone reveal lays its outlines: the
  // game's pictures underneath are never drawn on.
  if (!outline_ || outline_->parentWidget() != surface) {
    if (outline_) delete outline_.data();
    outline_ = new QFrame(surface);
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->setStyleSheet("border: 2px solid #ff3030; background: transparent;");
  }
  const HotZone& zone = player_.session().zones.table.slot(slot);
  // Both edges count: a zone answers on width + 1 columns and height + 1 rows.
  outline_->setGeometry(zone.left, zone.top, zone.width + 1, zone.height + 1);
  outline_->raise();
  outline_->show();
}

bool InspectorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == zones_->viewport() && event->type() == QEvent::Leave) outlineZone(-1);
  return QWidget::eventFilter(watched, event);
}

void InspectorWindow::closeEvent(QCloseEvent* event) {
  outlineZone(-1);
  if (onClosed) onClosed();
  QWidget::closeEvent(event);
}

}  // namespace taluvin
