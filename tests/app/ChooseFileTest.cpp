// How the open-file dialog's answer becomes paths and a folder.
#include <gtest/gtest.h>

#include "ChooseFile.h"

TEST(SplitChosenFiles, ThreeFilesGiveTheLowerCasedDirectoryAndEachNameAsReturned) {
    const char answer[] = "C:\\Games\\Slots\0One.TXT\0two.txt\0Three.Txt\0";
    std::vector<std::string> paths{"kept"};
    std::string folder;
    SplitChosenFiles(answer, sizeof answer, paths, folder);
    EXPECT_EQ((std::vector<std::string>{"kept", "c:\\games\\slots\\One.TXT", "c:\\games\\slots\\two.txt",
                                        "c:\\games\\slots\\Three.Txt"}),
              paths);
    EXPECT_EQ("c:\\games\\slots", folder);
}

TEST(SplitChosenFiles, OneFileGivesTheWholePathInLowerCase) {
    const char answer[] = "C:\\Games\\Slots\\Reel.TXT\0";
    std::vector<std::string> paths;
    std::string folder;
    SplitChosenFiles(answer, sizeof answer, paths, folder);
    EXPECT_EQ((std::vector<std::string>{"c:\\games\\slots\\reel.txt"}), paths);
    EXPECT_EQ("c:\\games\\slots", folder);
}

TEST(SplitChosenFiles, AnAnswerWithoutTerminatorsStaysInsideTheBuffer) {
    const char answer[4] = {'a', 'b', 'c', 'd'};
    std::vector<std::string> paths;
    std::string folder;
    SplitChosenFiles(answer, sizeof answer, paths, folder);
    EXPECT_EQ((std::vector<std::string>{"abcd"}), paths);
}
