#!/usr/bin/env python3
"""The yardstick of caldrix-cli report: what a short pandas + matplotlib script does with the same
recordings file, plotted to PNG.  Usage: rapport_pandas.py FICHIER.txt SORTIE.png"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt
import pandas as pd

fichier, sortie = sys.argv[1], sys.argv[2]
mesures = pd.read_csv(fichier, sep=";", skiprows=11, encoding="cp1252", decimal=".")
mesures.columns = ["date", "temperature", "humidite"][: len(mesures.columns)]
mesures["date"] = pd.to_datetime(mesures["date"], dayfirst=True)
figure, axe = plt.subplots(figsize=(8, 4))
axe.plot(mesures["date"], mesures["temperature"], label="Température")
if "humidite" in mesures:
    axe.twinx().plot(mesures["date"], mesures["humidite"], color="tab:blue", label="Hygrométrie")
axe.legend()
figure.savefig(sortie, dpi=100)
