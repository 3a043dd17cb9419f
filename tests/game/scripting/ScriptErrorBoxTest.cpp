// The player sees a script error in a box captioned "Script Error".
#include <gtest/gtest.h>

#include "MessageBoxWatcher.h"
#include "ScriptErrorSink.h"

TEST(ScriptErrorBoxTest, TheErrorTextIsShownInTheScriptErrorBox) {
    BoxWatcher watcher("Script Error");
    ScriptErrorBox().ShowScriptError("Syntax error\nSrc: Microsoft JScript compilation error\nLine:3");
    SeenBox seen = watcher.Result();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ("Syntax error\nSrc: Microsoft JScript compilation error\nLine:3", seen.text);
}
