// SaveConfig when a step of writing fails or the program dies in the middle of it: the file
// on disk is the old one or the new one, byte for byte, never a mix; a failure says false; no
// temporary file stays beside the configuration.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "config/config_writer.h"
#include "config/file_io.h"
#include "config/setup_section.h"
#include "config_fixture.h"

namespace {

using S = KzSetupSection;

enum class Step { kNone, kCreate, kWrite, kFlush, kClose, kReplace };

const char* NameOf(Step step) {
  static const char* const names[] = {"none", "create", "write", "flush", "close", "replace"};
  return names[int(step)];
}

// The platform's steps, with one of them failing as the system would report it. A failing
// write puts only the first writtenBeforeFault bytes into the file; a failing flush or close
// still does its work first, as an error reported late (a full share, a lost network) does.
// With dies set, the process ends at that step instead, as a crash or a power cut would end it.
class FaultySteps : public kz::WriteSteps {
 public:
  Step failing = Step::kNone;
  size_t writtenBeforeFault = 0;
  bool dies = false;
  std::vector<std::string> calls;

  std::FILE* Create(const std::string& path) override {
    calls.push_back("create " + path);
    return Fails(Step::kCreate) ? nullptr : WriteSteps::Create(path);
  }
  bool Write(std::FILE* file, std::string_view bytes) override {
    calls.push_back("write");
    if (failing != Step::kWrite) return WriteSteps::Write(file, bytes);
    WriteSteps::Write(file, bytes.substr(0, writtenBeforeFault));
    WriteSteps::Flush(file);
    return !Fails(Step::kWrite);
  }
  bool Flush(std::FILE* file) override {
    calls.push_back("flush");
    return WriteSteps::Flush(file) && !Fails(Step::kFlush);
  }
  bool Close(std::FILE* file) override {
    calls.push_back("close");
    return WriteSteps::Close(file) && !Fails(Step::kClose);
  }
  bool Replace(const std::string& from, const std::string& to) override {
    calls.push_back("replace " + from + " " + to);
    return !Fails(Step::kReplace) && WriteSteps::Replace(from, to);
  }
  void Remove(const std::string& path) override {
    calls.push_back("remove " + path);
    WriteSteps::Remove(path);
  }

 private:
  bool Fails(Step step) const {
    if (step != failing) return false;
    if (dies) _exit(3);
    return true;
  }
};

class SaveFaultTest : public ConfigFixture {
 protected:
  void SetUp() override {
    ConfigFixture::SetUp();
    previous_ = kz::InstallWriteSteps(&steps);
    S::SetDefaults(nullptr, nullptr);
    newBytes = FormatConfig();
  }
  void TearDown() override {
    kz::InstallWriteSteps(previous_);
    ConfigFixture::TearDown();
  }

  // The names in the folder.
  std::set<std::string> Folder() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
      names.insert(entry.path().filename().string());
    return names;
  }

  FaultySteps steps;
  std::string newBytes;
  const std::string oldBytes = "[Screen Setup]\r\nScreenWidth = 800\r\n";

 private:
  kz::WriteSteps* previous_ = nullptr;
};

TEST_F(SaveFaultTest, EveryStepInOrderThenTheNewFileAlone) {
  const std::string path = PathOf("voltra.cfg"), temporary = kz::TemporaryNameFor(path);
  WriteFile(path, oldBytes);
  ASSERT_TRUE(S::SaveConfig(path));
  EXPECT_EQ(ReadFile(path), newBytes);
  EXPECT_EQ(Folder(), std::set<std::string>{"voltra.cfg"});
  // The file reaches the disk before it takes the old one's place.
  const std::vector<std::string> expected = {"create " + temporary, "write", "flush", "close",
                                             "replace " + temporary + " " + path};
  EXPECT_EQ(steps.calls, expected);
}

TEST_F(SaveFaultTest, AFailingStepKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const std::string path = PathOf("voltra.cfg");
  struct Case {
    Step step;
    size_t written;
  };
  const size_t size = newBytes.size();
  const Case cases[] = {{Step::kCreate, 0},       {Step::kWrite, 0},        {Step::kWrite, 1},
                        {Step::kWrite, size / 2}, {Step::kWrite, size - 1}, {Step::kWrite, size},
                        {Step::kFlush, 0},        {Step::kClose, 0},        {Step::kReplace, 0}};
  for (bool oldFileThere : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(NameOf(c.step)) + " after " + std::to_string(c.written) +
                   " bytes, old file " + (oldFileThere ? "there" : "missing"));
      std::filesystem::remove(path);
      if (oldFileThere) WriteFile(path, oldBytes);
      steps.failing = c.step;
      steps.writtenBeforeFault = c.written;
      EXPECT_FALSE(S::SaveConfig(path));
      if (oldFileThere) {
        EXPECT_EQ(ReadFile(path), oldBytes);
        EXPECT_EQ(Folder(), std::set<std::string>{"voltra.cfg"});
      } else {
        EXPECT_TRUE(Folder().empty());
      }
    }
  }
}

TEST_F(SaveFaultTest, ADeathAtAnyStepLeavesTheOldFileOrTheNewOneAndAStaleTemporaryFileNoTrace) {
  const std::string path = PathOf("voltra.cfg");
  for (Step step : {Step::kCreate, Step::kWrite, Step::kFlush, Step::kClose, Step::kReplace}) {
    SCOPED_TRACE(NameOf(step));
    WriteFile(path, oldBytes);
    steps.failing = step;
    steps.writtenBeforeFault = newBytes.size() / 3;
    steps.dies = true;
    const pid_t child = fork();
    if (child == 0) _exit(S::SaveConfig(path) ? 0 : 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << "the child did not die there";
    // The death came before the replace in every case, so the old file is still whole.
    EXPECT_EQ(ReadFile(path), oldBytes);

    // A half-written temporary file from the dead run does not spoil the next save.
    steps.failing = Step::kNone;
    steps.dies = false;
    ASSERT_TRUE(S::SaveConfig(path));
    EXPECT_EQ(ReadFile(path), newBytes);
    EXPECT_EQ(Folder(), std::set<std::string>{"voltra.cfg"});
  }
  // Nor does a longer one leave its tail in the new file.
  WriteFile(kz::TemporaryNameFor(path), std::string(3 * newBytes.size(), 'x'));
  ASSERT_TRUE(S::SaveConfig(path));
  EXPECT_EQ(ReadFile(path), newBytes);
  EXPECT_EQ(Folder(), std::set<std::string>{"voltra.cfg"});
}

}  // namespace
