#pragma once

#include <span>
#include <string>

#include "soundediting/FitPlan.h"

// What Make It Fit tells before anything is written: the plan of a profile
// that can be made to fit, a line for each sound it changes, or why the
// profile cannot fit. `sounds` are those the plan was made for.
std::string FitPlanQuestion(const FitPlan& plan, std::span<const ProfileSound> sounds);
std::string CannotFitText(const FitPlan& plan, std::span<const ProfileSound> sounds);
// A length in seconds as the editor shows it: "12.5 s".
std::string SecondsText(double seconds);
