// The files of the program: recordings files, Conf.ini and recettes.ini. Every reader and
// writer works on the shared record it is given and returns what happened; none shows a window.
#pragma once

#include "files/Conf.h"
#include "files/Fichier_Enreg.h"
#include "files/Recettes.h"
#include "files/Resultats_Fichiers.h"
