

                                                            Ver. 1.2.3, FCID 3.0
Tarn-VELD ACUTE PLOT FILE for TESTAZINE                  Test Survey 2001-2002
Residue file: TESTAZ.R10                          Adjustment factor #2 NOT used.
Analysis Date: 03/04/2024/13:05:09    Residue file dated: 01/02/2003
Acute Pop Adjusted Dose (aPAD) varies with population; see individual reports
RAC/FF intake reported by eating occasion
Reversal analysis used with half life = 6 hr(s)
File Comment: Tolerance-level residues
Run Comment: "A run comment long enough to need a second line in the report he
ader; this is the rest"
===============================================================================

Number of populations included in this file: 2
Populations:

   1 = Total US Population
   2 = Custom demographics 1: Women 13-49

Populations:,        1,           2,    
User Means,    0.006250,    0.002500,
PAD:  ,     0.100000,    0.500000,
Pctl(Users)
    10.00,     0.005020,    0.002500,
    20.00,     0.005040,    0.002500,
    30.00,     0.005060,    0.002500,
    40.00,     0.005080,    0.002500,
    50.00,     0.005100,    0.002500,
    60.00,     0.007500,    0.002500,
    70.00,     0.007500,    0.002500,
    80.00,     0.007500,    0.002500,
    90.00,     0.007500,    0.002500,
    95.00,     0.007500,    0.002500,
    97.50,     0.007500,    0.002500,
    99.00,     0.007500,    0.002500,
    99.50,     0.007500,    0.002500,
    99.75,     0.007500,    0.002500,
    99.90,     0.007500,    0.002500,
   100.00,     0.007500,    0.002500,

Total US Population
Total person days (weighted & unweighted) =,            4,            4
Total user days   (weighted & unweighted) =,            2,            2
Bin Totals:
    Users  ,   ---------Exposure Bin--------,  Cumulative Percentiles
   (Wghtd) ,   Low Bound,       High bound  ,  Per User,  Per Capita 
           0,     0.0       ,     0.00000000,     0.000,    50.000
           1,     0.00500000,     0.00510000,    50.000,    75.000
           1,     0.00750000,     0.00750000,   100.000,   100.000

Custom demographics 1: Women 13-49
Total person days (weighted & unweighted) =,            8,            7
Total user days   (weighted & unweighted) =,            2,            1
Bin Totals:
    Users  ,   ---------Exposure Bin--------,  Cumulative Percentiles
   (Wghtd) ,   Low Bound,       High bound  ,  Per User,  Per Capita 
           0,     0.0       ,     0.00000000,     0.000,    75.000
           2,     0.00250000,     0.00250000,   100.000,   100.000

