#include "PlayerState.h"

PlayerState& ProcessPlayerState()
{
    static PlayerState state;
    return state;
}
