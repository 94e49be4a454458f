// assetgen OUTPUT_DIR: paints and composes every asset the program carries and writes them into
// OUTPUT_DIR: the icon as BluereefScr.ico, the packed assets as rcad_<id>.bin listed in assets.rc.
#include "AppIcon.h"
#include "Backdrop.h"
#include "BmpWriter.h"
#include "FishMesh.h"
#include "FishSkins.h"
#include "IconWriter.h"
#include "Packer.h"
#include "Particles.h"
#include "Tune.h"
#include "WavWriter.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = writeIcon(dir + "/BluereefScr.ico",
                        {paintAppIcon(48), paintAppIcon(32), paintAppIcon(16)});

    Packer packer(dir);
    // Packed assets, one line each: packer.add(resource id, file bytes).
    ok = packer.add(154, encodeBmp24(paintBackdrop())) && ok;
    ok = packer.add(155, encodeBmp24(paintGlow(32))) && ok;
    ok = packer.add(166, encodeBmp24(paintBubble(32))) && ok;
    ok = packer.add(227, encodeWav16(composeTune(), 1, kTuneSampleRate)) && ok;
    ok = packer.add(261, encodeBmp24(paintGlint(32))) && ok;
    for (int kind = 0; kind < kFishKinds; ++kind)
        ok = packer.add(10000 + kind, encodeBmp24(paintFishSkin(kind))) && ok;
    ok = packer.writeResourceScript() && ok;

    // Constant data compiled into the program.
    const std::string mesh = fishMeshSource(buildFishMesh());
    ok = writeFile(dir + "/FishBodyMeshData.inc",
                   std::vector<std::uint8_t>(mesh.begin(), mesh.end())) && ok;

    if (!ok) {
        std::fprintf(stderr, "assetgen: cannot write the assets into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
