// The place numbers of the card's steps, which the error box shows: one range for
// each file of the card (two for the files that write two weapon groups), so that
// every step has a number of its own. Each file checks at compile time that its
// steps end before the next range begins; app/app_places.h checks that the ranges of
// all the folders follow each other.
#pragma once

namespace card::place {

inline constexpr int kHeader = 300;
inline constexpr int kCrew = 340;
inline constexpr int kDefenceLine = 400;
inline constexpr int kWeaponsTable = 450;  // its frame and header row
inline constexpr int kLaserGroup = 480;
inline constexpr int kEnergyGroup = 500;
inline constexpr int kParticleGroup = 520;
inline constexpr int kMesonGroup = 540;
inline constexpr int kMissileGroup = 565;
inline constexpr int kRowPieces = 590;  // the pieces every weapon row is written with
inline constexpr int kDamageResults = 600;
inline constexpr int kDamageTable = 610;
inline constexpr int kTitleBlock = 700;
inline constexpr int kMovementBlock = 720;
inline constexpr int kCounterBlock = 740;
inline constexpr int kEnd = 800;

}  // namespace card::place
