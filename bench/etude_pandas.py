#!/usr/bin/env python3
"""The yardstick of caldrix-cli study --report: what a short pandas + matplotlib script does with
the same recordings files, their temperatures overlaid on one PNG.
Usage: etude_pandas.py SORTIE.png FICHIER.txt [FICHIER.txt ...]"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt
import pandas as pd

sortie, fichiers = sys.argv[1], sys.argv[2:]
figure, axe = plt.subplots(figsize=(8, 4))
for fichier in fichiers:
    mesures = pd.read_csv(fichier, sep=";", skiprows=11, encoding="cp1252", decimal=".")
    mesures.columns = ["date", "temperature", "humidite"][: len(mesures.columns)]
    mesures["date"] = pd.to_datetime(mesures["date"], dayfirst=True)
    axe.plot(mesures["date"], mesures["temperature"], label=fichier)
axe.legend()
figure.savefig(sortie, dpi=100)
