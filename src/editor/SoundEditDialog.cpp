#include "editor/SoundEditDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/FitPlanText.h"
#include "editor/SoundPlayer.h"
#include "editor/WaveformView.h"
#include "formatting/NumberFormat.h"
#include "soundediting/EditDefaults.h"
#include "soundediting/Fades.h"
#include "soundediting/SizeEstimate.h"
#include "widgets/StatusText.h"

namespace {

constexpr int WavChoice = 1;

QString Seconds(double seconds) {
  return QString::fromStdString(SecondsText(seconds));
}

template <typename Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

QDoubleSpinBox* FadeBox(const char* name) {
  auto* box = Named(new QDoubleSpinBox(), name);
  box->setRange(0, MaxFadeSeconds);
  box->setSingleStep(0.1);
  box->setDecimals(1);
  box->setSuffix(SoundEditDialog::tr(" s"));
  return box;
}

}  // namespace

SoundEditDialog::SoundEditDialog(const std::string& path, SoundPlayer& player, FitText fitText,
                                 std::string musicFolder, QWidget* parent)
    : QDialog(parent),
      path_(path),
      player_(player),
      fitText_(std::move(fitText)),
      musicFolder_(std::move(musicFolder)) {
  setObjectName(QStringLiteral("SoundEditor"));
  setWindowTitle(tr("Edit Sound - %1").arg(QFileInfo(QString::fromStdString(path)).fileName()));
  worker_.setMaxThreadCount(1);
  waveform_ = Named(new WaveformView(0, this), "Waveform");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(waveform_, 1);
  CreateSelectionRow();
  CreateSettings();
  CreateEnding();
  connect(waveform_, &WaveformView::MarkersMoved, this, &SoundEditDialog::ShowEstimate);
  connect(&player_, &SoundPlayer::PlayingChanged, this, &SoundEditDialog::ShowPlaying);
  connect(&player_, &SoundPlayer::Failed, this, &SoundEditDialog::ShowMessage);
  EnableEditing(false);
  ReadSound();
}

void SoundEditDialog::TakeMeasure(const SoundMeasure& source) {
  source_ = source;
  const SoundEdit start = EditFromSource(source);
  waveform_->SetLength(start.EndSeconds);
  mono_->setChecked(start.Mono);
  outputKind_->setCurrentIndex(start.Output.Kind == SoundFileKind::Wav ? WavChoice : 0);
  bitRate_->setCurrentIndex(bitRate_->findData(start.Output.BitRateKbps));
  EnableEditing(true);
  ShowEstimate();
  waveform_->setFocus();
}

void SoundEditDialog::EnableEditing(bool enabled) {
  for (QWidget* control :
       std::initializer_list<QWidget*>{waveform_, playButton_, fadeIn_, fadeOut_, mono_,
                                       evenOutLoudness_, outputKind_, saveButton_}) {
    control->setEnabled(enabled);
  }
  bitRate_->setEnabled(enabled && outputKind_->currentIndex() != WavChoice);
}

SoundEditDialog::~SoundEditDialog() {
  if (cancelWriting_) cancelWriting_->store(true);
  worker_.waitForDone();
}

void SoundEditDialog::CreateSelectionRow() {
  selectionLength_ = Named(new QLabel(this), "SelectionLength");
  playButton_ = Named(new QPushButton(tr("&Play"), this), "PlaySelection");
  playButton_->setToolTip(tr("Plays the selection from the start marker, as saved"));
  connect(playButton_, &QPushButton::clicked, this, &SoundEditDialog::PlayOrStopSelection);
  auto* row = new QHBoxLayout();
  row->addWidget(selectionLength_, 1);
  row->addWidget(playButton_);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void SoundEditDialog::CreateSettings() {
  fadeIn_ = FadeBox("FadeIn");
  fadeOut_ = FadeBox("FadeOut");
  mono_ = Named(new QCheckBox(tr("Mono")), "Mono");
  evenOutLoudness_ = Named(new QCheckBox(tr("Even out loudness")), "EvenOutLoudness");
  outputKind_ = Named(new QComboBox(), "OutputKind");
  outputKind_->addItems({tr("MP3 (constant bit rate)"), tr("WAV 16-bit PCM")});
  bitRate_ = Named(new QComboBox(), "BitRate");
  for (const int kbps : Mp3BitRates) bitRate_->addItem(tr("%1 kbit/s").arg(kbps), kbps);
  auto* form = new QFormLayout();
  form->addRow(tr("Fade &in :"), fadeIn_);
  form->addRow(tr("Fade &out :"), fadeOut_);
  form->addRow(QString(), mono_);
  form->addRow(QString(), evenOutLoudness_);
  form->addRow(tr("&Write as :"), outputKind_);
  form->addRow(tr("&Bit rate :"), bitRate_);
  static_cast<QVBoxLayout*>(layout())->addLayout(form);
  for (QDoubleSpinBox* fade : {fadeIn_, fadeOut_}) {
    connect(fade, &QDoubleSpinBox::valueChanged, this, &SoundEditDialog::ShowFades);
  }
  connect(mono_, &QCheckBox::toggled, this, &SoundEditDialog::ShowEstimate);
  connect(bitRate_, &QComboBox::currentIndexChanged, this, &SoundEditDialog::ShowEstimate);
  connect(outputKind_, &QComboBox::currentIndexChanged, this, [this](int kind) {
    bitRate_->setEnabled(kind != WavChoice);
    ShowEstimate();
  });
}

void SoundEditDialog::CreateEnding() {
  newSize_ = Named(new QLabel(this), "NewSize");
  fitVerdict_ = Named(new QLabel(this), "FitVerdict");
  writeProgress_ = Named(new QProgressBar(this), "WriteProgress");
  writeProgress_->setRange(0, 100);
  writeProgress_->setVisible(false);
  message_ = Named(new QLabel(this), "EditMessage");
  message_->setWordWrap(true);
  saveButton_ = Named(new QPushButton(tr("&Save"), this), "SaveEdit");
  auto* cancel = Named(new QPushButton(tr("Cancel"), this), "CancelEdit");
  connect(saveButton_, &QPushButton::clicked, this, &SoundEditDialog::Save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch(1);
  buttons->addWidget(saveButton_);
  buttons->addWidget(cancel);
  auto* column = static_cast<QVBoxLayout*>(layout());
  for (QWidget* line : {static_cast<QWidget*>(newSize_), static_cast<QWidget*>(fitVerdict_),
                        static_cast<QWidget*>(writeProgress_), static_cast<QWidget*>(message_)}) {
    column->addWidget(line);
  }
  column->addLayout(buttons);
}

SoundEdit SoundEditDialog::Edit() const {
  SoundEdit edit;
  edit.StartSeconds = waveform_->StartSeconds();
  edit.EndSeconds = waveform_->EndSeconds();
  edit.FadeInSeconds = fadeIn_->value();
  edit.FadeOutSeconds = fadeOut_->value();
  edit.Mono = mono_->isChecked();
  edit.EvenOutLoudness = evenOutLoudness_->isChecked();
  edit.Output.Kind =
      outputKind_->currentIndex() == WavChoice ? SoundFileKind::Wav : SoundFileKind::Mp3;
  edit.Output.BitRateKbps = bitRate_->currentData().toInt();
  return edit;
}

void SoundEditDialog::ShowFades() {
  waveform_->SetFades(fadeIn_->value(), fadeOut_->value());
  ShowEstimate();
}

void SoundEditDialog::ShowEstimate() {
  if (!source_) return;
  const SoundEdit edit = Edit();
  selectionLength_->setText(tr("Selection : %1, from %2 to %3")
                                .arg(Seconds(edit.EndSeconds - edit.StartSeconds),
                                     Seconds(edit.StartSeconds), Seconds(edit.EndSeconds)));
  const std::int64_t bytes = EstimateEditedBytes(source_->Format, edit);
  QString size = tr("New file : about %1 bytes").arg(QString::fromStdString(GroupedNumber(bytes)));
  if (bytes > source_->Bytes) {
    size += tr(", larger than the original (%1 bytes)")
                .arg(QString::fromStdString(GroupedNumber(source_->Bytes)));
  }
  newSize_->setText(size);
  fitVerdict_->setText(fitText_(bytes));
}
