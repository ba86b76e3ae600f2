// How the program addresses the parts of its graph control: plots, axes and cursors by their
// numbers from 1, and the three track modes of the mouse.
#pragma once

namespace Numeros_Graphe {

// Plots.
constexpr int Voie_Temp = 1;      // the temperature, on axis 2
constexpr int Voie_Hygro = 2;     // the humidity (7307) or the running cooking value, on axis 3
constexpr int Consigne_Maxi = 3;  // the setpoint lines
constexpr int Consigne_Mini = 4;

// Axes.
constexpr int XAxis = 1;  // time, day counts
constexpr int YAxis_Temp = 2;
constexpr int YAxis_Hygro = 3;

// Cursors.
constexpr int Cursor_Temp = 1;   // on plot 1
constexpr int Cursor_Hygro = 2;  // on plot 2

// Track modes.
constexpr int Mode_Curseur = 1;      // the mouse moves the cursors
constexpr int Mode_Panoramique = 3;  // dragging moves the view
constexpr int Mode_Zoom = 6;         // a rectangle zooms into it, the wheel zooms the time

}  // namespace Numeros_Graphe
