// The sea-floor layer and the textures of the water and light-ray layers: a rippled floor mesh as
// wide and as deep as the tank, textured and compiled into a display list once, at set-up.
#pragma once

class TerrainLayers {
public:
    // The most rows and steps the floor mesh takes in each direction.
    static constexpr int kMostMeshSide = 1000;

    TerrainLayers() = default;
    virtual ~TerrainLayers() = default;

    // Loads the three layers' textures, then builds the floor for a tank `columns` wide and
    // `depthSteps` deep with relief `relief`, and compiles it into floorList. A mesh larger than
    // kMostMeshSide either way is refused with "MAP SIZE ERROR" and no list is made.
    void setUp(int columns, int depthSteps, int relief);

    // The floor's vertex (i, j): row i across the tank, step j from the back toward the front.
    void floorVertex(int i, int j, float vertex[3]) const;

    int columns = 1;             // mesh rows across the tank (x)
    int depth = 1;               // mesh steps from back to front (z)
    int relief = 1;              // height of the floor's ripple
    unsigned floorTexture = 0;   // "DiXing"
    unsigned waterTexture = 0;   // "Water"
    unsigned lightRayTexture = 0;  // "GuangXian"
    unsigned floorList = 0;      // the compiled floor; 0 until set up

private:
    void drawFloor() const;
};
