#pragma once

// Each player's best course of the current game into gtypBestCourseRows, in
// rank order (a complete course before none, then the lower total, then,
// under the birthday rule, the older player). Traps no errors.
void gsCalBestCourse();
