pd 1 2;XY;SP;LT 9;PW a;SI 0.2,0;DI 0;IW 1 2 3;PU 1-2 +.5;PD ;;LB^LB
x
P