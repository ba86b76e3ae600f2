// The archive opened for a window, or why not, told in the window's status line and a message.
#pragma once

#include <memory>

class Archive;
class Dialogues;
class QLabel;

std::unique_ptr<Archive> Ouvrir_Archive_Fenetre(QLabel& etat, Dialogues& dialogues);
