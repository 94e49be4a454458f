// seed_writer DIRECTORY: writes the seed inputs of the fuzzers, DIRECTORY/bmp/*,
// DIRECTORY/scrambler/* and DIRECTORY/picture/*, from the sample files of the texture and
// picture tests.
#include "../unit/media/SampleBmps.h"
#include "../unit/media/SamplePictures.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: seed_writer DIRECTORY\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    bool ok = true;
    for (const char* target : {"bmp", "scrambler", "picture"}) {
        std::filesystem::remove_all(root / target);
        std::filesystem::create_directories(root / target);
    }
    for (const auto& samples : {samplebmp::wellFormedSamples(), samplebmp::malformedSamples()})
        for (const auto& [name, bytes] : samples) {
            ok = samplebmp::writeFile((root / "bmp" / name).string(), bytes) && ok;
            ok = samplebmp::writeFile((root / "scrambler" / name).string(), bytes) && ok;
            ok = samplebmp::writeFile((root / "picture" / name).string(), bytes) && ok;
        }
    for (const auto& [name, bytes] : samplepicture::seedPictures())
        ok = !bytes.empty() && samplebmp::writeFile((root / "picture" / name).string(), bytes) &&
             ok;
    for (const char* name : {"Music", "music"})
        ok = samplebmp::writeFile((root / "scrambler" / name).string(),
                                  std::vector<std::uint8_t>(name, name + std::strlen(name))) &&
             ok;
    if (!ok) {
        std::fprintf(stderr, "seed_writer: cannot write the seeds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
