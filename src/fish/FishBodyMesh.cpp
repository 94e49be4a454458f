#include "fish/FishBodyMesh.h"

// The data is written by the asset generator into the asset folder, which is on the include path.
const FishBodyMesh fishBodyMesh =
#include "FishBodyMeshData.inc"
;
