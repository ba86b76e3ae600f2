# The yardstick of caldrix-cli report: gnuplot drawing the two curves of the same recordings file
# to a PDF.  Usage: gnuplot -c rapport_gnuplot.gp FICHIER.txt SORTIE.pdf
set terminal pdfcairo size 21cm,9cm
set output ARG2
set datafile separator ';'
set xdata time
set timefmt '%d/%m/%Y %H:%M:%S'
set format x '%d/%m %H:%M'
set ytics nomirror
set y2tics
plot ARG1 skip 12 using 1:2 with lines title 'Température', \
     ARG1 skip 12 using 1:3 axes x1y2 with lines title 'Hygrométrie'
