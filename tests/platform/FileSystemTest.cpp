#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/SingleInstanceLock.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

using namespace platform;
using testsupport::ScopedEnv;
using testsupport::TempDir;

namespace {

TEST(ResolveIgnoringCase, FindsFoldersAndFilesWrittenInAnotherCase)
{
    TempDir dir;
    dir.Write("ErrMsg/Common.ERR", "x");
    dir.Write("exact/snmp.err", "x");
    EXPECT_EQ(ResolveIgnoringCase(dir.Path(), "errMSg/common.err"), dir / "ErrMsg/Common.ERR");
    EXPECT_EQ(ResolveIgnoringCase(dir.Path() + "/", "errmsg/common.err"), dir / "ErrMsg/Common.ERR");
    EXPECT_EQ(ResolveIgnoringCase(dir.Path(), "exact/snmp.err"), dir / "exact/snmp.err");
    EXPECT_EQ(ResolveIgnoringCase(dir.Path(), "errmsg/missing.err"), dir / "ErrMsg/missing.err");
    EXPECT_EQ(ResolveIgnoringCase(dir.Path(), "nothing/here.err"), dir / "nothing/here.err");
}

TEST(PerUserDataFolder, AppDataFirstThenTheDesktopsDataFolder)
{
    ScopedEnv home("HOME", std::string("/home/admin"));
    {
        ScopedEnv appData("APPDATA", std::string("/data/roaming"));
        ScopedEnv xdg("XDG_DATA_HOME", std::string("/xdg"));
        EXPECT_EQ(PerUserDataFolder().path, "/data/roaming");
        EXPECT_TRUE(PerUserDataFolder().fromAppData);
    }
    ScopedEnv appData("APPDATA", std::nullopt);
    {
        ScopedEnv xdg("XDG_DATA_HOME", std::string("/xdg"));
        EXPECT_EQ(PerUserDataFolder().path, "/xdg");
        EXPECT_FALSE(PerUserDataFolder().fromAppData);
    }
    ScopedEnv xdg("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(PerUserDataFolder().path, "/home/admin/.local/share");
}

TEST(CreateFolder, OneLevelOrWithParents)
{
    TempDir dir;
    EXPECT_FALSE(CreateFolder(dir / "a/b", false));
    EXPECT_TRUE(CreateFolder(dir / "a/b", true));
    EXPECT_TRUE(CreateFolder(dir / "c", false));
    EXPECT_TRUE(FolderExists(dir / "c"));
}

TEST(SingleInstanceLock, OneHolderPerNameUntilReleased)
{
    TempDir runtime;
    ScopedEnv env("XDG_RUNTIME_DIR", runtime.Path());
    SingleInstanceLock first;
    SingleInstanceLock second;
    SingleInstanceLock other;
    EXPECT_EQ(first.Acquire("TRV-4410 : 10.0.0.7"), SingleInstanceLock::Result::Acquired);
    EXPECT_EQ(second.Acquire("TRV-4410 : 10.0.0.7"), SingleInstanceLock::Result::HeldElsewhere);
    EXPECT_EQ(other.Acquire("TRV-4410 : 10.0.0.8"), SingleInstanceLock::Result::Acquired);
    first.Release();
    EXPECT_EQ(second.Acquire("TRV-4410 : 10.0.0.7"), SingleInstanceLock::Result::Acquired);
    EXPECT_EQ(first.LockFilePath("TRV-4410 : 10.0.0.7"), runtime / "trv4410-TRV-4410%20%3A%2010.0.0.7.lock");
}

TEST(SingleInstanceLock, NoUsableFolderIsAFailure)
{
    ScopedEnv env("XDG_RUNTIME_DIR", std::string("/nonexistent/runtime"));
    SingleInstanceLock lock;
    EXPECT_EQ(lock.Acquire("TRV-4410 : 10.0.0.7"), SingleInstanceLock::Result::Failed);
}

} // namespace
