// Every test program of the application runs with one QApplication on the offscreen platform,
// and with the user's data folder in a temporary place, so the file-type registration of each
// main window writes there.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class QtTestEnvironment : public testing::Environment
{
  public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_DATA_HOME", dataHome_.path().toLocal8Bit());
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "app_tests";
    char *argv_[2] = {name_, nullptr};
    QTemporaryDir dataHome_;
    std::unique_ptr<QApplication> application_;
};

const testing::Environment *const environment =
    testing::AddGlobalTestEnvironment(new QtTestEnvironment);

} // namespace
