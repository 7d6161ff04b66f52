: big " x" 19 0 DO DUP + LOOP ; big
: many 20000 0 DO DUP LOOP ; many
