

                                                            Ver. 1.2.3, FCID 3.0
Tarn-VELD ACUTE PLOT FILE for TESTAZINE                  Test Survey 2001-2002
Residue file: TESTAZ.R10                          Adjustment factor #2 NOT used.
Analysis Date: 03/04/2024/13:05:09    Residue file dated: 01/02/2003
NOEL (Acute) = 100.000000 mg/kg body-wt/day
Two-Day Average Results Reported
RAC/FF intake summed over 24 hours
MC iterations = 2; MC list in residue file; MC seed = 7; RNG = Mersenne Twister
MC residues held constant for each RAC/FF intake on same day/iteration
===============================================================================

Number of populations included in this file: 2
Populations:

   1 = Total US Population
   2 = Children 1-2 yrs

Populations:,        1,           2,    
User Means,    0.000065,    0.500000,
Pctl(Users)
    10.00,     0.000050,    0.500000,
    20.00,     0.000050,    0.500000,
    30.00,     0.000051,    0.500000,
    40.00,     0.000051,    0.500000,
    50.00,     0.000051,    0.500000,
    60.00,     0.000080,    0.500000,
    70.00,     0.000080,    0.500000,
    80.00,     0.000080,    0.500000,
    90.00,     0.000080,    0.500000,
    95.00,     0.000080,    0.500000,
    97.50,     0.000080,    0.500000,
    99.00,     0.000080,    0.500000,
    99.50,     0.000080,    0.500000,
    99.75,     0.000080,    0.500000,
    99.90,     0.000080,    0.500000,
   100.00,     0.000080,    0.500000,

Total US Population
Total person days (weighted & unweighted) =,            4,            2
Total user days   (weighted & unweighted) =,            2,            1
Bin totals based on 2 iterations.
Bin Totals:
    Users  ,   ---------Exposure Bin--------,  Cumulative Percentiles
   (Wghtd) ,   Low Bound,       High bound  ,  Per User,  Per Capita 
           0,     0.0       ,     0.00000000,     0.000,    50.000
           2,     0.00005000,     0.00005100,    50.000,    75.000
           2,     0.00008000,     0.00008000,   100.000,   100.000

Children 1-2 yrs
Total person days (weighted & unweighted) =,            2,            1
Total user days   (weighted & unweighted) =,            1,            1
Bin totals based on 2 iterations.
Bin Totals:
    Users  ,   ---------Exposure Bin--------,  Cumulative Percentiles
   (Wghtd) ,   Low Bound,       High bound  ,  Per User,  Per Capita 
           0,     0.0       ,     0.00000000,     0.000,    75.000
           1,     0.50000000,     0.50000000,   100.000,   100.000

