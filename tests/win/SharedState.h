// The tests of the real windows share one Form, one panel and one scene. Every test starts from
// the state start-up left, whatever ran before it, and leaves it so: a fixture puts back what its
// tests change, in its TearDown or by deriving from SharedSceneTest. A listener checks this after
// each test: it fails a test that left something different, names what, and puts it back so the
// next test is not touched by it.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace rolva::test {

// Everything a test may change that a later test could see, each as a readable value under a
// name such as "sign 2 left" or "panel control 1033 text".
using SharedState = std::map<std::string, std::string>;

SharedState TakeSharedState();

// One line per name whose value differs: sign 2 left: "40" at start, "52" now.
std::vector<std::string> Differences(const SharedState& start, const SharedState& now);

// Puts the windows, the scene and the files beside the test program back as they were when
// the state was taken; what is already as it was is not touched. A message box or chooser that
// a queued command opens meanwhile is cancelled and fails the test.
void PutSharedStateBack(const SharedState& start);

// The state start-up left, taken once before the first test.
void RememberStartState();
const SharedState& StartState();

// Fails a test that ended with the shared state not as it started, then puts it back. What
// cannot be put back is reported once; later tests are checked against the state as it then is.
class SharedStateListener : public testing::EmptyTestEventListener {
public:
    void OnTestEnd(const testing::TestInfo& test) override;
};

// The fixture of tests that change the shared scene: whatever the test changed, and wherever
// it stopped, the start-up state is back before the next test. Runs after the fixture's own
// TearDown, so a fixture that puts back only part of what it changed is still sound.
class SharedSceneTest : public testing::Test {
protected:
    ~SharedSceneTest() override { PutSharedStateBack(StartState()); }
};

}  // namespace rolva::test
