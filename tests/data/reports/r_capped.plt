

                                                            Ver. 1.2.3, FCID 3.0
Tarn-VELD ACUTE PLOT FILE for TESTAZINE                  Test Survey 2001-2002
Residue file: TESTAZ.R10                          Adjustment factor #2 NOT used.
Analysis Date: 03/04/2024/13:05:09    Residue file dated: 01/02/2003
RAC/FF intake summed over 24 hours
===============================================================================

Number of populations included in this file: 1
Populations:

   1 = Total US Population

Populations:,        1,    
User Means,    0.515000,
Pctl(Users)
    10.00,     0.002000,
    20.00,     0.004000,
    30.00,     0.006000,
    40.00,     0.008000,
    50.00,     0.010000,
    60.00,     0.054000,
    70.00,     0.058000,
    80.00,     1.989515,
    90.00,     1.994758,
    95.00,     1.997379,
    97.50,     1.998689,
    99.00,     1.999476,
    99.50,     1.999738,
    99.75,     1.999869,
    99.90,     1.999948,
   100.00,     2.000000,

Total US Population
Total person days (weighted & unweighted) =,            4,            3
Total user days   (weighted & unweighted) =,            4,            3
Bin Totals:
    Users  ,   ---------Exposure Bin--------,  Cumulative Percentiles
   (Wghtd) ,   Low Bound,       High bound  ,  Per User,  Per Capita 
           0,     0.0       ,     0.00000000,     0.000,     0.000
           2,     0.00000000,     0.01000000,    50.000,    50.000
           1,     0.05000000,     0.06000000,    75.000,    75.000
           1,     1.98689437,     2.00000000,   100.000,   100.000

