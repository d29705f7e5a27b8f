// kpj-tool dump FILE: the record of a project file as loaded, as JSON keyed by
// the record's field names (arrays as lists, element 1 first; texts in UTF-8
// with their padding).
#include <iostream>

#include "commands.h"
#include "file_messages.h"
#include "json.h"
#include "project/ProjectFile.h"
#include "project/RecordFields.h"
#include "project/TextCodec.h"

namespace {

class FieldWriter
{
  public:
    explicit FieldWriter(JsonWriter& json) : json_(json) {}

    void operator()(const char* name, int16_t value) { Member(name, value); }
    void operator()(const char* name, float value) { Member(name, value); }
    void operator()(const char* name, const std::string& text, size_t)
    {
        Member(name, vemora::Windows1252ToUtf8(text));
    }
    template <typename T, size_t N> void operator()(const char* name, const std::array<T, N>& a)
    {
        json_.Key(name);
        json_.BeginInlineArray();
        for (size_t i = 1; i < N; ++i)
            json_.Value(a[i]);
        json_.EndArray();
    }
    // The pump curve as six points, each [head, flow, efficiency].
    void operator()(const char* name, const std::array<std::array<float, 7>, 4>& curve)
    {
        json_.Key(name);
        json_.BeginArray();
        for (size_t point = 1; point <= 6; ++point) {
            json_.BeginInlineArray();
            for (size_t value = 1; value <= 3; ++value)
                json_.Value(curve[value][point]);
            json_.EndArray();
        }
        json_.EndArray();
    }

  private:
    template <typename T> void Member(const char* name, const T& value)
    {
        json_.Key(name);
        json_.Value(value);
    }
    JsonWriter& json_;
};

} // namespace

int RunDumpCommand(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: kpj-tool dump FILE\n";
        return 2;
    }
    vemora::ProjectRecord rec;
    int64_t recordNumber = 0;
    std::string why;
    const vemora::FileStatus status = vemora::ReadProjectFile(args[0], rec, recordNumber, &why);
    if (status != vemora::FileStatus::Ok) {
        std::cerr << FileStatusMessage(status, why) << "\n";
        return 1;
    }
    JsonWriter json(std::cout);
    json.BeginObject();
    vemora::ForEachRecordField(rec, FieldWriter(json));
    json.EndObject();
    json.Finish();
    return 0;
}
