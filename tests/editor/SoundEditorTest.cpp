// "Edit Sound…": the markers moved by keys, the selection shown, and Save
// writing a new file beside the original with exactly the frames selected,
// the row then pointing to it as one undo step.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <filesystem>

#include "EditorFixture.h"
#include "editor/SoundEditDialog.h"
#include "formatting/NumberFormat.h"
#include "soundediting/EditedSound.h"
#include "support/SignalWait.h"
#include "widgets/StatusText.h"

namespace {

constexpr int Rate = 8000;

// Three seconds whose every frame holds a sample of its own.
void WriteCountingSound(const std::string& path) {
  SF_INFO info{};
  info.samplerate = Rate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr);
  std::vector<short> samples(3 * Rate);
  for (std::size_t frame = 0; frame < samples.size(); ++frame) {
    samples[frame] = static_cast<short>(frame);
  }
  sf_writef_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
  sf_close(file);
}

std::vector<short> Samples(const std::string& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (file == nullptr) return {};
  std::vector<short> samples(static_cast<std::size_t>(info.frames * info.channels));
  sf_readf_short(file, samples.data(), info.frames);
  sf_close(file);
  return samples;
}

}  // namespace

class SoundEditorTest : public EditorFixture {
 protected:
  void SetUp() override {
    original = sounds.Path() + "ding.wav";
    WriteCountingSound(original);
    originalBytes = FileText(original);
    ShowEditor();
    Tick();
    editor->AddSoundFile(QString::fromStdString(original));
  }
  // Ctrl+E on the highlighted row, once the sound is measured.
  SoundEditDialog* OpenEditor(int row = 0) {
    editor->activateWindow();
    if (!QTest::qWaitForWindowActive(editor)) return nullptr;
    List(1)->setCurrentIndex(List(1)->model()->index(row, 0));
    QTest::keySequence(editor, QKeySequence(Qt::CTRL | Qt::Key_E));
    // A dialog closed before is deleted only once the event loop runs.
    for (SoundEditDialog* dialog : editor->findChildren<SoundEditDialog*>("SoundEditor")) {
      if (!dialog->isVisible()) continue;
      auto* save = Find<QPushButton>(dialog, "SaveEdit");
      return QTest::qWaitFor([save] { return save->isEnabled(); }, 10000) ? dialog : nullptr;
    }
    return nullptr;
  }
  void Keys(QWidget* to, Qt::Key key, int times, Qt::KeyboardModifiers with = Qt::NoModifier) {
    for (int press = 0; press < times; ++press) QTest::keyClick(to, key, with);
  }
  // Keeps 1.0 s to 2.5 s, from the keyboard.
  void SelectOneToTwoAndAHalf(QWidget* waveform) {
    Keys(waveform, Qt::Key_Home, 1);
    Keys(waveform, Qt::Key_Right, 1, Qt::ShiftModifier);
    Keys(waveform, Qt::Key_End, 1);
    Keys(waveform, Qt::Key_Left, 5);
  }
  QString Shown(QWidget* dialog, const char* label) { return Find<QLabel>(dialog, label)->text(); }
  // Save, and the writing off the GUI thread.
  void Save(SoundEditDialog* dialog) {
    QSignalSpy saved(dialog, &SoundEditDialog::Saved);
    Click(dialog, "SaveEdit");
    ASSERT_TRUE(Arrived(saved));
  }
  std::string RowPath() { return editor->Document().Lists().Buttons[0].Sounds[0].FullPath(); }

  std::string original;
  std::string originalBytes;
};

TEST_F(SoundEditorTest, KeysMoveTheMarkersByATenthOrASecondAndTheSelectionIsShown) {
  SoundEditDialog* dialog = OpenEditor();
  ASSERT_NE(dialog, nullptr);
  QWidget* waveform = Find(dialog, "Waveform");
  EXPECT_EQ(Shown(dialog, "SelectionLength"), "Selection : 3.0 s, from 0.0 s to 3.0 s");
  Keys(waveform, Qt::Key_Right, 12);
  EXPECT_EQ(Shown(dialog, "SelectionLength"), "Selection : 1.8 s, from 1.2 s to 3.0 s");
  Keys(waveform, Qt::Key_Left, 1, Qt::ShiftModifier);
  EXPECT_EQ(Shown(dialog, "SelectionLength"), "Selection : 2.8 s, from 0.2 s to 3.0 s");
  Keys(waveform, Qt::Key_Left, 1, Qt::ShiftModifier);
  EXPECT_EQ(Shown(dialog, "SelectionLength"), "Selection : 3.0 s, from 0.0 s to 3.0 s")
      << "held at the sound's beginning";
  SelectOneToTwoAndAHalf(waveform);
  EXPECT_EQ(Shown(dialog, "SelectionLength"), "Selection : 1.5 s, from 1.0 s to 2.5 s");
  EXPECT_EQ(Shown(dialog, "NewSize"), "New file : about 24,044 bytes") << "1.5 s of 16-bit WAV";
  EXPECT_EQ(Shown(dialog, "FitVerdict"), "The profile then fits the unit");
  Click(dialog, "CancelEdit");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sounds.Path()), {}), 1)
      << "Cancel writes nothing";
}

TEST_F(SoundEditorTest, SaveWritesTheSelectedFramesBesideTheOriginalAndTheRowPointsThereUndoably) {
  SoundEditDialog* dialog = OpenEditor();
  ASSERT_NE(dialog, nullptr);
  SelectOneToTwoAndAHalf(Find(dialog, "Waveform"));
  Save(dialog);
  const std::string edited = sounds.Path() + "ding (edited).wav";
  const std::vector<short> all = Samples(original);
  EXPECT_EQ(Samples(edited), std::vector<short>(all.begin() + Rate, all.begin() + Rate * 5 / 2));
  EXPECT_EQ(FileText(original), originalBytes);
  EXPECT_EQ(RowPath(), edited);
  EXPECT_TRUE(editor->isWindowModified());

  Find<QAction>(editor, "Undo1")->trigger();
  EXPECT_EQ(RowPath(), original);

  const std::string editedBytes = FileText(edited);
  dialog = OpenEditor();
  ASSERT_NE(dialog, nullptr);
  Save(dialog);
  EXPECT_EQ(RowPath(), sounds.Path() + "ding (edited 2).wav");
  EXPECT_EQ(Samples(RowPath()), all) << "the whole sound, as the markers began";
  EXPECT_EQ(FileText(edited), editedBytes) << "an existing edited file is never written over";
  EXPECT_EQ(FileText(original), originalBytes);
}

TEST_F(SoundEditorTest, ASoundGoneBeforeSaveIsNamedInRedAndNothingIsWritten) {
  SoundEditDialog* dialog = OpenEditor();
  ASSERT_NE(dialog, nullptr);
  std::filesystem::remove(original);
  Click(dialog, "SaveEdit");
  auto* message = Find<QLabel>(dialog, "EditMessage");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !message->text().isEmpty(); }, 10000));
  EXPECT_TRUE(message->text().startsWith("The edited sound could not be written: " +
                                         QString::fromStdString(original)))
      << message->text().toStdString();
  EXPECT_EQ(StatusColour(message), FailureColour);
  EXPECT_TRUE(dialog->isVisible()) << "the settings stay for another try";
  EXPECT_EQ(RowPath(), original);
  EXPECT_TRUE(std::filesystem::is_empty(sounds.Path()));
}

// A mono 80 kbit/s MP3 of 20 s, as the editor's own encoder writes it.
std::string Mono80Mp3(const std::string& folder, const std::string& name) {
  const std::string wav = folder + "source.wav";
  WriteSound(wav, 20 * 22050, 22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
  SoundEdit edit;
  edit.EndSeconds = 20;
  edit.Mono = true;
  edit.Output = {SoundFileKind::Mp3, 80};
  const std::string mp3 = folder + name;
  std::filesystem::rename(WriteEditedSound(wav, edit, folder), mp3);
  std::filesystem::remove(wav);
  return mp3;
}

TEST_F(SoundEditorTest, TheEditStartsFromTheSourcesFormatAndSaysWhenTheFileWouldGrow) {
  const std::string song = Mono80Mp3(sounds.Path(), "Morning Song.mp3");
  editor->AddSoundFile(QString::fromStdString(song));
  SoundEditDialog* dialog = OpenEditor(1);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Find<QComboBox>(dialog, "OutputKind")->currentIndex(), 0) << "MP3";
  EXPECT_TRUE(Find<QCheckBox>(dialog, "Mono")->isChecked());
  auto* bitRate = Find<QComboBox>(dialog, "BitRate");
  EXPECT_EQ(bitRate->currentText(), "80 kbit/s");
  EXPECT_FALSE(Shown(dialog, "NewSize").contains("larger"))
      << Shown(dialog, "NewSize").toStdString();
  QTest::keyClick(bitRate, Qt::Key_Down);
  EXPECT_EQ(bitRate->currentText(), "96 kbit/s");
  EXPECT_TRUE(Shown(dialog, "NewSize")
                  .endsWith(QStringLiteral(", larger than the original (%1 bytes)")
                                .arg(QString::fromStdString(GroupedNumber(
                                    static_cast<std::int64_t>(std::filesystem::file_size(song)))))))
      << Shown(dialog, "NewSize").toStdString();
  QTest::keyClick(bitRate, Qt::Key_Up);
  Save(dialog);
  const std::string edited = sounds.Path() + "Morning Song (edited).mp3";
  EXPECT_LE(std::filesystem::file_size(edited), std::filesystem::file_size(song));

  dialog = OpenEditor(1);
  ASSERT_NE(dialog, nullptr);
  Save(dialog);
  EXPECT_EQ(editor->Document().Lists().Buttons[0].Sounds[1].FullPath(),
            sounds.Path() + "Morning Song (edited 2).mp3");
}

namespace {

// The rows of the picture that hold a colour near a point of its width, up
// to eight pixels to either side: the tone's cycles fall on the columns
// unevenly.
int PixelsOf(const QImage& picture, double fraction, QColor colour) {
  const int middle = static_cast<int>(fraction * picture.width());
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = middle - 8; x <= middle + 8; ++x) {
      if (picture.pixel(x, y) == colour.rgb()) {
        ++count;
        break;
      }
    }
  }
  return count;
}

}  // namespace

// Three seconds of an even tone; kept from 1 s to 2 s with a fade in of
// 0.5 s: before 1 s the waveform is grey, from 1 s it rises along the fade's
// ramp, from 1.5 s it stands at full height.
TEST_F(SoundEditorTest, TheWaveformGreysWhatIsCutAwayAndRampsTheFades) {
  const QString tone = Sound("tone.wav", 44 + 3 * 8000);
  editor->AddSoundFile(tone);
  SoundEditDialog* dialog = OpenEditor(1);
  ASSERT_NE(dialog, nullptr);
  QWidget* waveform = Find(dialog, "Waveform");
  Keys(waveform, Qt::Key_Home, 1);
  Keys(waveform, Qt::Key_Right, 1, Qt::ShiftModifier);
  Keys(waveform, Qt::Key_End, 1);
  Keys(waveform, Qt::Key_Left, 1, Qt::ShiftModifier);
  Keys(Find(dialog, "FadeIn"), Qt::Key_Up, 5);
  const QColor ink = waveform->palette().text().color();
  const QColor grey = waveform->palette().color(QPalette::Disabled, QPalette::Text);
  QImage picture;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        picture = waveform->grab().toImage();
        return PixelsOf(picture, 1.75 / 3, ink) > picture.height() / 3;  // the peaks arrived
      },
      10000));
  EXPECT_EQ(PixelsOf(picture, 0.5 / 3, ink), 0);
  EXPECT_GT(PixelsOf(picture, 0.5 / 3, grey), picture.height() / 3) << "the tone, greyed";
  const int full = PixelsOf(picture, 1.75 / 3, ink);
  EXPECT_NEAR(full, picture.height() / 2, 3) << "a tone at half of full scale";
  const int early = PixelsOf(picture, 1.1 / 3, ink);
  const int later = PixelsOf(picture, 1.3 / 3, ink);
  EXPECT_LT(early, later);
  EXPECT_LT(later, full);
  const QColor ramp = waveform->palette().highlight().color().darker(150);
  EXPECT_GT(PixelsOf(picture, 1.3 / 3, ramp), 0);
  EXPECT_EQ(PixelsOf(picture, 1.75 / 3, ramp), 0);
}
