// Fuzz target: a project file of any content and length. The reader must
// refuse it or accept it; an accepted record goes through the load's copy
// into the store and the save's copy back, and what the save would write must
// open again. Then a save over the file must keep every byte outside the
// record it writes, at the record number the reader used, and read back as
// written.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "project/ProjectFile.h"
#include "project/ProjectStore.h"
#include "project/RecordCheck.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"

namespace {

using namespace vemora;

void Fail(const char* what)
{
    std::fprintf(stderr, "record_file_fuzz: %s\n", what);
    std::abort();
}

// A private folder for the file, in memory where the system has one; removed
// at exit (the name is never destroyed, so the exit handler can still use it).
const std::string& Folder()
{
    static const std::string* folder = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "vemora-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) Fail("no temporary folder");
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(Folder(), ec);
        });
        return new std::string(pattern);
    }();
    return *folder;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) Fail("cannot write the input file");
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// How many files each read gave, printed at exit to show the fuzzing's reach.
struct Reach
{
    long opened = 0, refused = 0;
    ~Reach()
    {
        std::fprintf(stderr, "record_file_fuzz: %ld files opened, %ld refused\n", opened, refused);
    }
};
Reach reach;

ProjectRecord NewProject()
{
    ProjectStore store;
    store.SystemType = 1;
    WriteNewProjectDefaults(store, "01/02/2026");
    return store.ProjectRec;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = Folder() + "/project.kpj";
    WriteFile(path, bytes);

    ProjectRecord read;
    int64_t readAt = 0;
    const FileStatus status = ReadProjectFile(path, read, readAt);
    ProjectRecord saved = NewProject();
    ++(status == FileStatus::Ok ? reach.opened : reach.refused);
    if (status == FileStatus::Ok) {
        auto store = std::make_unique<ProjectStore>();
        StoreFromRecord(read, *store);
        if (store->NodeCount < 2 || store->NodeCount > MaxNodes) Fail("node count");
        saved = read;
        CopyStoreToRecord(*store, saved);
        if (!CheckRecord(saved)) Fail("an opened project saves as a record that cannot be opened");
    } else if (status != FileStatus::CannotOpen && status != FileStatus::Damaged) {
        Fail("the reader gave a write status");
    }

    int64_t writtenAt = 0;
    if (WriteProjectFile(path, saved, writtenAt) != FileStatus::Ok) Fail("the save failed");
    if (status == FileStatus::Ok && writtenAt != readAt) Fail("saved at another record");
    const std::string savedBytes = EncodeRecord(saved);
    const size_t offset = static_cast<size_t>(writtenAt - 1) * ProjectRecord::Size;
    std::string expected = bytes;
    if (expected.size() < offset + ProjectRecord::Size)
        expected.resize(offset + ProjectRecord::Size, '\0');
    expected.replace(offset, ProjectRecord::Size, savedBytes);
    if (ReadFile(path) != expected) Fail("the save changed bytes outside its record");

    ProjectRecord back;
    int64_t backAt = 0;
    // Compared as bytes: a gravity record may keep NaNs in the fields it does not read.
    if (ReadProjectFile(path, back, backAt) != FileStatus::Ok || backAt != writtenAt ||
        EncodeRecord(back) != savedBytes)
        Fail("the saved record does not read back");
    return 0;
}
