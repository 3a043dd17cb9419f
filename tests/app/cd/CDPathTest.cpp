// The texts of the CD's folders: files joined to a folder, a bare drive or a drive's root
// land at the root, and a new drive letter keeps the rest of the folder.
#include <gtest/gtest.h>

#include "CDPath.h"

TEST(CDPathTest, FileNamesJoinWithOneSeparatorAndABareDriveMeansItsRoot) {
    EXPECT_EQ("E:\\movies\\tarowind.avi", JoinCDPath("E:\\movies", "tarowind.avi"));
    EXPECT_EQ("E:\\movies\\tarowind.avi", JoinCDPath("E:\\movies\\", "tarowind.avi"));
    EXPECT_EQ("E:\\tarowind.avi", JoinCDPath("E:", "tarowind.avi"));
    EXPECT_EQ("E:\\tarowind.avi", JoinCDPath("E:\\", "tarowind.avi"));
}

TEST(CDPathTest, ANewDriveLetterReplacesTheFirstCharacterAndAnEmptyFolderBecomesTheRoot) {
    EXPECT_EQ("E:\\media\\ambient", WithDriveLetter("D:\\media\\ambient", 'E'));
    EXPECT_EQ("E:\\", WithDriveLetter("", 'E'));
}
