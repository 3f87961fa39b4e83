// Program-wide project values that every calculator keeps for its run.
#pragma once

#include <string>

namespace shell {

// ProjectState values: only NewProject makes a calculation window start from
// its own starting texts; any other value (ExistingProject, or the 0 of a run
// in which neither option was clicked) reads the project's data file.
inline constexpr float NewProject = 1.0f;
inline constexpr float ExistingProject = 2.0f;

struct ProjectValues {
  std::string ProjectName;    // the main window's project name, exactly as typed
  float ProjectState = 0.0f;  // 0, NewProject or ExistingProject
  float CaseSelector = 0.0f;  // the case box clicked last (1, 2, 3 ...)

  bool IsNewProject() const { return ProjectState == NewProject; }
};

}  // namespace shell
