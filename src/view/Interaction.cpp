#include "view/Interaction.h"

bool Interaction::enter(int mode)
{
    if (mode == InteractionMode)
        return false;
    waitingClickCount = 0;
    InteractionMode = mode;
    return true;
}

void Interaction::press(POINT point)
{
    buttonDown = true;
    buttonPoint = point;
    if (modeRow().picksPlace && waitingClickCount < kMostWaitingClicks)
        waitingClicks[waitingClickCount++] = point;
}

void Interaction::release()
{
    if (modeRow().releaseConsumesClick)
        buttonDown = false;
}

bool Interaction::takeButtonPress(POINT& point)
{
    if (!buttonDown)
        return false;
    buttonDown = false;
    point = buttonPoint;
    return true;
}
