

                                                            Ver. 1.2.3, FCID 3.0
Tarn-VELD ACUTE PLOT FILE for TESTAZINE                  Test Survey 2001-2002
Residue file: TESTAZ.R10                          Adjustment factor #2 NOT used.
Analysis Date: 03/04/2024/13:05:09    Residue file dated: 01/02/2003
NOEL (Acute) = 500.000000 mg/kg body-wt/day
RAC/FF intake summed over 24 hours
Run Comment: "Golden test run"
===============================================================================

Number of populations included in this file: 3
Populations:

   1 = Total US Population
   2 = Custom demographics 1: Toddlers
   3 = Infants (< 1 year)

Populations:,        1,           2,           3,    
User Means,   60.500000,    0.375000,    0.000000,
Pctl(Users)
    10.00,    25.400000,    0.251333,    0.000000,
    20.00,    25.800000,    0.252667,    0.000000,
    30.00,    50.200000,    0.254000,    0.000000,
    40.00,    50.600000,    0.255333,    0.000000,
    50.00,    51.000000,    0.256667,    0.000000,
    60.00,    75.400000,    0.258000,    0.000000,
    70.00,    75.800000,    0.259333,    0.000000,
    80.00,    90.100000,    0.750000,    0.000000,
    90.00,    90.300000,    0.750000,    0.000000,
    95.00,    90.400000,    0.750000,    0.000000,
    97.50,    90.450000,    0.750000,    0.000000,
    99.00,    90.480000,    0.750000,    0.000000,
    99.50,    90.490000,    0.750000,    0.000000,
    99.75,    90.495000,    0.750000,    0.000000,
    99.90,    90.498000,    0.750000,    0.000000,
   100.00,    90.500000,    0.750000,    0.000000,

Total US Population
Total person days (weighted & unweighted) =,            8,            8
Total user days   (weighted & unweighted) =,            4,            4
Bin Totals:
    Users  ,   ---------Exposure Bin--------,  Cumulative Percentiles
   (Wghtd) ,   Low Bound,       High bound  ,  Per User,  Per Capita 
           0,     0.0       ,     0.00000000,     0.000,    50.000
           1,    25.00000000,    26.00000000,    25.000,    62.500
           1,    50.00000000,    51.00000000,    50.000,    75.000
           1,    75.00000000,    76.00000000,    75.000,    87.500
           1,    90.00000000,    90.50000000,   100.000,   100.000

Custom demographics 1: Toddlers
Total person days (weighted & unweighted) =,            4,            2
Total user days   (weighted & unweighted) =,            4,            2
Bin Totals:
    Users  ,   ---------Exposure Bin--------,  Cumulative Percentiles
   (Wghtd) ,   Low Bound,       High bound  ,  Per User,  Per Capita 
           0,     0.0       ,     0.00000000,     0.000,     0.000
           3,     0.25000000,     0.25999999,    75.000,    75.000
           1,     0.75000000,     0.75000000,   100.000,   100.000

Infants (< 1 year)
Total person days (weighted & unweighted) =,            5,            5
Total user days   (weighted & unweighted) =,            0,            0
Bin Totals:
    Users  ,   ---------Exposure Bin--------,  Cumulative Percentiles
   (Wghtd) ,   Low Bound,       High bound  ,  Per User,  Per Capita 
           0,     0.0       ,     0.00000000,   100.000,   100.000

