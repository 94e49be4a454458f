// Light 1, the scene's only light. Scene set-up uploads all three arrays; every frame rewrites the
// red, green and blue of ambient and diffuse from the light-intensity setting.
#pragma once

struct SceneLight {
    float ambient[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float position[4] = {1000.0f, -1000.0f, 1000.0f, 1.0f};
};

extern SceneLight sceneLight;
