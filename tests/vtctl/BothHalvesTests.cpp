// Both halves of the package at once, as on a 64-bit Windows: x86\ and x64\ side by side (each
// with veltrane.dll, vtctl.exe and the probe), a 32-bit and a 64-bit probe window skinned together,
// whichever half is started, and one setting made with either half's vtctl reaching both. Runs only where a Wine prefix holds both bitnesses; the folder comes
// in VT_PACKAGE (tests/vtctl/both_halves.sh lays it out).
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "ControllerConfig.h"
#include "ExitCode.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "ProbeProcess.h"
#include "VtctlRun.h"

namespace vt {
namespace {

constexpr DWORD kWaitMs = 8000;
const char* const kHalves[] = {"x86", "x64"};

using test::Contains;
using test::Result;
using test::VtctlRun;
using test::WaitFor;

bool Has(LRESULT state, LRESULT bits) { return state >= 0 && (state & bits) == bits; }

class BothHalvesTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        const char* package = std::getenv("VT_PACKAGE");
        if (!package || !*package) GTEST_SKIP() << "VT_PACKAGE names no package folder";
        package_ = package;
        if (package_.back() != '\\') package_ += '\\';
        test::TakeClosedBoxes();
        themeA_ = test::WritePaneTheme();
        themeB_ = test::WritePaneTheme({{"CLIENT TL:4,24 BR:-4,-4", "CLIENT TL:10,30 BR:-10,-10"}});
        ASSERT_TRUE(WriteControllerValue("Theme", themeA_));
        for (const char* half : kHalves) {
            for (const char* name : {"themes.cfg", "exclude.cfg"}) DeleteFileA(Path(half, name).c_str());
        }
    }
    void TearDown() override {
        // Whatever still runs (a partner outlives a killed controller): stopped, both halves.
        if (!package_.empty()) Vtctl("x86", "stop");
        if (resident_) resident_->Wait(15000);
        if (!package_.empty()) {
            EXPECT_TRUE(test::TakeClosedBoxes().empty()) << "no message box may appear";
        }
    }

    std::string Path(const char* half, const char* name) const { return package_ + half + "\\" + name; }
    Result Vtctl(const char* half, const std::string& args) { return test::RunToEnd(Path(half, "vtctl.exe"), args); }

    // A 32-bit and a 64-bit probe; true when both windows are up.
    bool StartProbes() {
        return probes_[0].Start(Path("x86", "vtprobe.exe"), probe::kStyleFrame) &&
               probes_[1].Start(Path("x64", "vtprobe.exe"), probe::kStyleFrame);
    }
    // Each probe's client area reaches (left, top) in time; the failures named by bitness.
    std::string ClientsAt(int left, int top) {
        std::string late;
        for (int i = 0; i < 2; ++i) {
            if (!test::WaitForClientAt(probes_[i].Window(), left, top)) late += std::string(" ") + kHalves[i];
        }
        return late;
    }
    std::string NotSkinned() {
        std::string missing;
        for (int i = 0; i < 2; ++i) {
            LRESULT state = probes_[i].WaitForState([](LRESULT s) { return Has(s, probe::kProcedureInVeltrane); }, kWaitMs);
            if (!Has(state, probe::kProcedureInVeltrane)) missing += std::string(" ") + kHalves[i];
        }
        return missing;
    }

    ControllerValueRestorer restoreEnabled_{"Enabled"};
    ControllerValueRestorer restoreTheme_{"Theme"};
    std::string package_, themeA_, themeB_;
    std::unique_ptr<VtctlRun> resident_;
    ProbeProcess probes_[2];
};

TEST_P(BothHalvesTest, EitherHalfStartsBothThemePinAndExclusionReachBothStopRestoresBoth) {
    const std::string starter = GetParam();
    resident_ = std::make_unique<VtctlRun>(Path(GetParam(), "vtctl.exe"), "start");
    ASSERT_TRUE(WaitFor([&] { return Contains(resident_->Out(), "vtctl stop"); }, 20000))
        << resident_->Out() << resident_->Err();
    ASSERT_TRUE(Contains(resident_->Out(), "partner started")) << resident_->Out() << resident_->Err();

    ASSERT_TRUE(StartProbes());
    EXPECT_EQ(NotSkinned(), "") << "started from " << starter << ": these probes were not subclassed";
    EXPECT_EQ(ClientsAt(4, 24), "") << "started from " << starter << ": these probes lack theme A's frame";

    Result switched = Vtctl("x64", "theme \"" + themeB_ + "\"");
    EXPECT_EQ(switched.code, ctl::kDone) << switched.err;
    EXPECT_EQ(ClientsAt(10, 30), "") << "these probes did not take theme B live";

    // One pin and one exclusion, each made once with either half's vtctl, reach both bitnesses.
    Result pin = Vtctl(GetParam(), "pin VTPROBE.EXE \"" + themeA_ + "\"");
    EXPECT_EQ(pin.code, ctl::kDone) << pin.err;
    EXPECT_EQ(ClientsAt(4, 24), "") << "these probes did not take their pin live";
    Result exclude = Vtctl(starter == "x86" ? "x64" : "x86", "exclude --module vtprobe.exe");
    EXPECT_EQ(exclude.code, ctl::kDone) << exclude.err;
    {
        ProbeProcess excluded[2];
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(excluded[i].Start(Path(kHalves[i], "vtprobe.exe"), probe::kStyleFrame));
            EXPECT_TRUE(Has(excluded[i].State(), probe::kProcedureIsOwn)) << kHalves[i] << " probe started after the exclusion";
            EXPECT_EQ(excluded[i].Close(), 0);
        }
    }
    EXPECT_EQ(Vtctl("x86", "include --module vtprobe.exe").code, ctl::kDone);
    EXPECT_EQ(Vtctl("x64", "unpin VTPROBE.EXE").code, ctl::kDone);
    EXPECT_EQ(Vtctl("x86", "unpin VTPROBE.EXE").code, ctl::kNothingToRemove) << "both copies went at once";

    Result stop = Vtctl(starter == "x86" ? "x64" : "x86", "stop");
    EXPECT_EQ(stop.code, ctl::kDone) << stop.err;
    EXPECT_TRUE(Contains(stop.out, "Veltrane stopped")) << stop.out;
    EXPECT_EQ(resident_->Wait(15000), ctl::kDone);
    resident_.reset();
    const std::string status = Vtctl("x86", "status").out;
    EXPECT_TRUE(Contains(status, "running: no (32-bit controller)") && Contains(status, "(64-bit), running: no"))
        << status;
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(Has(probes_[i].WaitForState([](LRESULT s) { return Has(s, probe::kProcedureIsOwn); }, kWaitMs),
                        probe::kProcedureIsOwn))
            << kHalves[i] << " probe has its own procedure back";
        EXPECT_TRUE(WaitFor([&] { return test::ClientInWindow(probes_[i].Window()).top < 24; }))
            << kHalves[i] << " probe has its own frame back";
        EXPECT_EQ(probes_[i].Close(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(StartedFrom, BothHalvesTest, ::testing::ValuesIn(kHalves));

class BothHalvesRecoveryTest : public BothHalvesTest {};

// The 32-bit controller ended without its stop while programs are skinned: its partner goes on, and
// the next start takes over beside it.
TEST_F(BothHalvesRecoveryTest, KilledHalfStartsAgainBesideItsRunningPartner) {
    resident_ = std::make_unique<VtctlRun>(Path("x86", "vtctl.exe"), "start");
    ASSERT_TRUE(WaitFor([&] { return Contains(resident_->Out(), "partner started"); }, 20000)) << resident_->Err();
    ASSERT_TRUE(StartProbes());
    ASSERT_EQ(NotSkinned(), "");
    resident_.reset();  // killed: no stop, no RemoveHook
    for (ProbeProcess& probe : probes_) EXPECT_EQ(probe.Close(), 0) << "a skinned program outlives its controller";

    resident_ = std::make_unique<VtctlRun>(Path("x86", "vtctl.exe"), "start");
    ASSERT_TRUE(WaitFor([&] { return Contains(resident_->Out(), "vtctl stop"); }, 20000)) << resident_->Err();
    EXPECT_TRUE(Contains(resident_->Out(), "the 64-bit controller runs already")) << resident_->Out();
    ASSERT_TRUE(StartProbes());
    EXPECT_EQ(NotSkinned(), "") << "after the restart, these probes were not subclassed";
    EXPECT_EQ(Vtctl("x86", "stop").code, ctl::kDone);
    resident_->Wait(15000);
    resident_.reset();
    for (ProbeProcess& probe : probes_) {
        EXPECT_TRUE(Has(probe.WaitForState([](LRESULT s) { return Has(s, probe::kProcedureIsOwn); }, kWaitMs),
                        probe::kProcedureIsOwn));
        EXPECT_EQ(probe.Close(), 0);
    }
}

}  // namespace
}  // namespace vt
