// Loading a settings file: a normal one and one padded with unknown keys to
// just under the 1 MiB the loader accepts (the key lookup must not grow with
// the file).
//
// Run inside the test environment:
//   . tests/testenv.sh build && wine build/bin/settingsload_bench.exe [runs]; kw_testenv_cleanup
#include "BenchSupport.h"
#include "CSettingsRecord.h"
#include "SettingsFileIO.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::wstring tempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

// Unknown keys go first, so that every real key is found only after them.
void padFile(const std::wstring& normal, const std::wstring& padded)
{
    FILE* in = _wfopen(normal.c_str(), L"rb");
    std::string body;
    for (int c; in && (c = fgetc(in)) != EOF;)
        body += char(c);
    if (in)
        fclose(in);
    std::string padding;
    for (int i = 0; padding.size() + body.size() + 64 < (1u << 20) - 64; ++i)
        padding += "m_unknown.field" + std::to_string(i) + "\t0.000000\n";
    padding += body;
    FILE* out = _wfopen(padded.c_str(), L"wb");
    if (out) {
        fwrite(padding.data(), 1, padding.size(), out);
        fclose(out);
    }
}

double secondsToLoad(const std::wstring& path, int runs)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        CSettingsRecord record;
        const double start = secondsNow();
        const bool loaded = readSettingsFile(path, record);
        best = std::min(best, secondsNow() - start);
        if (!loaded) {
            fprintf(stderr, "not loaded: %ls\n", path.c_str());
            exit(1);
        }
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const std::wstring normal = tempPath(L"kw_bench_normal.settings");
    const std::wstring padded = tempPath(L"kw_bench_padded.settings");
    if (!writeSettingsFile(normal, CSettingsRecord()))
        return 1;
    padFile(normal, padded);
    printf("normal file: %.2f ms\n", secondsToLoad(normal, runs) * 1000);
    printf("file near 1 MiB: %.2f ms\n", secondsToLoad(padded, runs) * 1000);
    DeleteFileW(normal.c_str());
    DeleteFileW(padded.c_str());
    return 0;
}
