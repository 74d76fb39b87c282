#include "editor/ProfileChoice.h"

#include <QLabel>
#include <QMenuBar>
#include <QSignalBlocker>

#include "editor/InfoLine.h"
#include "editor/ProfileSelector.h"
#include "profiles/VisibleText.h"
#include "widgets/MenuEntry.h"

ProfileChoice::ProfileChoice(AppPorts& ports, ProfileDocument& document, InfoLine& info,
                             QWidget* page)
    : QObject(page),
      info_(info),
      label_(new QLabel(tr("Select Profile :"), page)),
      selector_(new ProfileSelector(page)),
      store_(ports.ProfilesFolder, document, ports.Prompts, *this) {
  label_->setObjectName(QStringLiteral("Label1"));
  label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  selector_->setObjectName(QStringLiteral("ComboBox1"));
  selector_->setEditable(false);
  // Every change by the user, by mouse, keyboard or wheel; the store's own
  // changes are shown with the signal blocked.
  connect(selector_, &QComboBox::currentIndexChanged, this, &ProfileChoice::OnProfileChosen);
  connect(selector_, &ProfileSelector::Opening, this,
          [this] { store_.Selection().RefreshProfileList(); });
}

void ProfileChoice::AddMenu(QMenuBar* bar) {
  QMenu* profiles = ::AddMenu(bar, "Profiles1", tr("&Profiles"));
  const auto add = [this, profiles](const char* name, const QString& caption, auto command,
                                    const QKeySequence& keys) {
    auto* entry = new QAction(caption, profiles);
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcut(keys);
    connect(entry, &QAction::triggered, this, [this, command] { (store_.*command)(); });
    profiles->addAction(entry);
  };
  add("New1", tr("&New"), &ProfileStore::New, QKeySequence::New);
  add("Open1", tr("&Open"), &ProfileStore::Open, QKeySequence::Open);
  add("Save1", tr("&Save"), &ProfileStore::Save, QKeySequence::Save);
  add("SaveAs1", tr("Save &As..."), &ProfileStore::SaveAs,
      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  add("RetrieveBackup1", tr("Retrieve &Backup"), &ProfileStore::RetrieveBackup, {});
  add("Delete1", tr("&Delete"), &ProfileStore::Delete, {});
}

void ProfileChoice::OnProfileChosen(int index) {
  store_.Selection().SelectProfile(index);
  store_.SelectionChanged();
}

void ProfileChoice::ShowInfo(const std::string& text, InfoColour colour) {
  info_.Show(text, colour);
}

void ProfileChoice::ShowProfileList() {
  const QSignalBlocker blocker(selector_);
  selector_->clear();
  QStringList names;
  for (const std::string& name : store_.Selection().ProfileList()) {
    names << QString::fromStdString(VisibleText(name));
  }
  selector_->addItems(names);
  selector_->setCurrentIndex(store_.Selection().SelectedIndex());
}

void ProfileChoice::ShowProfileAdded(int index) {
  const QSignalBlocker blocker(selector_);
  selector_->insertItem(
      index, QString::fromStdString(VisibleText(store_.Selection().ProfileList()[index])));
}

void ProfileChoice::ShowProfileRemoved(int index) {
  const QSignalBlocker blocker(selector_);
  selector_->removeItem(index);
}

void ProfileChoice::ShowSelectedProfile(int index) {
  const QSignalBlocker blocker(selector_);
  selector_->setCurrentIndex(index);
}
