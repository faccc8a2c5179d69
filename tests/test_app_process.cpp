// The built program as a process: the single-instance rule with two real
// instances, and the silent end without a catalog.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.isValid());
        ASSERT_TRUE(runtime.isValid());  // made 0700, as a runtime folder must be
        ASSERT_TRUE(QFile::copy(MARVENIC_EXECUTABLE, executable()));
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());  // the lock of this test alone
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    }
    void TearDown() override {
        for (QProcess* process : started) {
            process->kill();  // only processes this test started
            process->waitForFinished();
            delete process;
        }
    }

    QString executable() const { return program.path() + "/marvenic"; }
    QString lockPath() const { return runtime.path() + "/QXCatalogue"; }

    // Two catalogs without databases: the program stops in its lobby and
    // stays there.
    void arrangeLobby() {
        for (const char* folder : {"A", "B"}) {
            ASSERT_TRUE(QDir().mkpath(program.path() + "/Data/" + folder + "/Russian"));
            QFile gdb(program.path() + "/Data/" + folder + "/Russian/tolvik.gdb");
            ASSERT_TRUE(gdb.open(QIODevice::WriteOnly));
        }
    }

    QProcess* start() {
        auto* process = new QProcess;
        started.push_back(process);
        process->setProcessEnvironment(environment);
        process->setWorkingDirectory(QDir::tempPath());
        process->start(executable(), {});
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }

    static qint64 lockHolder(const QString& path) {
        QLockFile lock(path);
        qint64 pid = 0;
        QString host, application;
        return lock.getLockInfo(&pid, &host, &application) ? pid : 0;
    }

    // Waits until Process holds the lock (or has ended, which fails).
    bool holdsLock(QProcess* process) {
        for (int i = 0; i < 3000; ++i) {  // a guard against hanging, not a timing
            if (lockHolder(lockPath()) == process->processId())
                return true;
            if (process->state() != QProcess::Running)
                return false;
            QThread::msleep(10);
        }
        return false;
    }

    QTemporaryDir program, runtime;
    QProcessEnvironment environment;
    std::vector<QProcess*> started;
};

TEST_F(ProcessTest, WithoutCataloguesTheProgramEndsAtOnceWithCodeZero) {
    QProcess* process = start();
    ASSERT_TRUE(process->waitForFinished(60000));
    EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process->exitCode(), 0);
    EXPECT_FALSE(QFile::exists(lockPath()));  // given back at the end
}

TEST_F(ProcessTest, ASecondInstanceEndsSilentlyAndLeavesTheFirstAlone) {
    arrangeLobby();
    QProcess* first = start();
    ASSERT_TRUE(holdsLock(first));

    QProcess* second = start();
    ASSERT_TRUE(second->waitForFinished(60000)) << "the second instance went on running";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(second->readAllStandardOutput(), QByteArray());
    EXPECT_EQ(second->readAllStandardError(), QByteArray());

    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(lockHolder(lockPath()), first->processId());
}

TEST_F(ProcessTest, TheLockOfAnInstanceThatDiedIsTakenOver) {
    arrangeLobby();
    QProcess* first = start();
    ASSERT_TRUE(holdsLock(first));
    first->kill();  // no chance to give the lock back
    ASSERT_TRUE(first->waitForFinished());
    ASSERT_TRUE(QFile::exists(lockPath()));

    QProcess* next = start();
    EXPECT_TRUE(holdsLock(next));
    EXPECT_EQ(next->state(), QProcess::Running);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
