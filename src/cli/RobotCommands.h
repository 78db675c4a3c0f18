#pragma once
// tavorn-cli's robot designer and roster:
//
//   tavorn-cli robot show  [--appdir DIR] ROBOT.xml               the designer's views, as JSON
//   tavorn-cli robot save  [--appdir DIR] IN.xml OUT.xml          open IN, save it as OUT
//   tavorn-cli robot sheet [--appdir DIR] ROBOT.xml -o OUT.html   write the robot sheet
//   tavorn-cli roster      [--appdir DIR] FILE... -o Roster.html  the roster page of heroes and
//                                                                 robots; the grid as JSON
//
// Each takes the arguments after its command word and returns the exit code: 0 done, 2 a
// usage error or a file that cannot be read or written (with a message on standard error).

#include <string>
#include <vector>

int RunRobotCommand(const std::vector<std::string>& args);
int RunRosterCommand(const std::vector<std::string>& args);
