#include "MachineFileSet.h"

#include <cstdio>
#include <fstream>

namespace {

const char kAsideSuffix[] = ".earlier";

bool FileExists(const std::string& path) { return std::ifstream(path).good(); }

}  // namespace

MachineFileSet::MachineFileSet(const std::string& identifier)
    : paths_{identifier + ".txt", identifier + ".slot", identifier + ".bmp"}, setAside_(paths_.size())
{
}

bool MachineFileSet::Exists() const { return FileExists(paths_[0]) || FileExists(paths_[1]); }

bool MachineFileSet::SetAside()
{
    stuck_.clear();
    for (size_t i = 0; i < paths_.size(); ++i) {
        if (!FileExists(paths_[i]))
            continue;
        const std::string aside = paths_[i] + kAsideSuffix;
        std::remove(aside.c_str());  // a leftover of an interrupted build
        if (std::rename(paths_[i].c_str(), aside.c_str()) != 0) {
            stuck_ = paths_[i];
            PutBack();
            return false;
        }
        setAside_[i] = aside;
    }
    return true;
}

void MachineFileSet::Keep()
{
    for (std::string& aside : setAside_) {
        if (!aside.empty())
            std::remove(aside.c_str());
        aside.clear();
    }
}

void MachineFileSet::PutBack()
{
    for (size_t i = 0; i < paths_.size(); ++i) {
        if (setAside_[i].empty())
            continue;
        std::remove(paths_[i].c_str());
        std::rename(setAside_[i].c_str(), paths_[i].c_str());
        setAside_[i].clear();
    }
}

void MachineFileSet::DiscardCancelled()
{
    std::remove(paths_[0].c_str());
    std::remove(paths_[1].c_str());
    PutBack();
}

void MachineFileSet::RestoreAfterFailure() { PutBack(); }
