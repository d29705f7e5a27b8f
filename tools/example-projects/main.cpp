// example-projects FOLDER: writes the example projects (ExampleProjects.h)
// into the folder, as the program saves a project; the files in the
// repository's Projects/ folder come from here.
#include <iostream>

#include "ExampleProjects.h"
#include "project/ProjectFile.h"
#include "project/RecordStore.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: example-projects FOLDER\n";
        return 2;
    }
    for (vemora::ExampleProject& example : vemora::ExampleProjects()) {
        vemora::ProjectStore& s = example.store;
        vemora::CopyStoreToRecord(s, s.ProjectRec);
        const std::string path = std::string(argv[1]) + "/" + example.fileName;
        int64_t record = 0;
        std::string why;
        if (vemora::WriteProjectFile(path, s.ProjectRec, record, &why) != vemora::FileStatus::Ok) {
            std::cerr << path << ": " << why << "\n";
            return 1;
        }
        std::cout << path << "\n";
    }
    return 0;
}
