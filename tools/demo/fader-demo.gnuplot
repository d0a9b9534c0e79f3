# The demo's plot: input and output level over time. Called with
#   gnuplot -e "levels='TABLE'; picture='PNG'" fader-demo.gnuplot
# where TABLE holds the columns seconds, input dB, output dB (fader-demo-levels).
set terminal pngcairo size 960,540 font "sans,11"
set output picture
set title "Veltronika Quorvantile: target level 0.25 set at 2 s, fade time 3 s"
set xlabel "time (s)"
set ylabel "level (dB RMS, full scale = 0 dB)"
set xrange [0:10]
set yrange [-45:0]
set grid
set key bottom left
set arrow from 2, graph 0 to 2, graph 1 nohead dashtype 2 linecolor rgb "#808080"
# Where the output settles: 31.38 dB below the input, the gain of level 0.25.
stats levels using 2 nooutput
settled = STATS_mean - 31.38
set arrow from graph 0, first settled to graph 1, first settled nohead dashtype 3 linecolor rgb "#c04000"
set label "input - 31.38 dB" at 8.2, settled + 1.2 textcolor rgb "#c04000"
plot levels using 1:2 with lines linewidth 2 linecolor rgb "#3060c0" title "input", \
     levels using 1:3 with lines linewidth 2 linecolor rgb "#c04000" title "output"
