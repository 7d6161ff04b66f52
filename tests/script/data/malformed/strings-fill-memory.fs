: big " x" 19 0 DO DUP + LOOP ; big
: fill 0 DO DUP " y" + SWAP LOOP ; 60000 fill
