

                                                            Ver. 1.2.3, FCID 3.0
Tarn-VELD DWLOC Analysis for TESTAZINE                   Test Survey 2001-2002
Residue file: TESTAZ.R10                          Adjustment factor #2 NOT used.
Analysis Date: 03/04/2024/13:05:09    Residue file dated: 01/02/2003
QVA Acute Reference Dose (aRfD) =   0.060000 mg/kg body-wt/day
RAC/FF intake summed over 24 hours
MC iterations = 2; MC list in residue file; MC seed = 11; RNG = Mersenne Twister
===============================================================================

Summary calculations--per capita:

                   10th Percentile     2.5th Percentile       0.5th Percentile
                          ppm                  ppm                  ppm
                       ----------           ----------           ----------
:Total US Population
                        98.802000            98.208002            98.049602     

:Custom demographics 1: Nursing infants
                         0.000000             0.000000             0.000000     



                                                            Ver. 1.2.3, FCID 3.0
Tarn-VELD DWLOC Analysis for TESTAZINE                   Test Survey 2001-2002
Residue file: TESTAZ.R10                          Adjustment factor #2 NOT used.
Analysis Date: 03/04/2024/13:05:09    Residue file dated: 01/02/2003
QVA Acute Reference Dose (aRfD) =   0.060000 mg/kg body-wt/day
RAC/FF intake summed over 24 hours
MC iterations = 2; MC list in residue file; MC seed = 11; RNG = Mersenne Twister
===============================================================================

Total US Population                DWLOC per Capita /a
-------------------                     (ppm) 
                                   ----------------
            Mean                      111.375000
            Standard Deviation          8.935283

       Percent of Person-Days that are User-Days = 100.00%


  Estimated percentile of per-capita days falling below calculated DWLOC
    in ppm of drinking water

      Percentile      ppm                  Percentile      ppm    
      ----------  ----------               ----------  ---------- 
         90.00    120.733333                  10.00     98.802000
         80.00    120.466667                   5.00     98.406001
         70.00    120.200000                   2.50     98.208002
         60.00    110.933333                   1.00     98.089202
         50.00    110.666667                   0.50     98.049602
         40.00    110.400000                   0.25     98.029802
         30.00    110.133333                   0.10     98.017922
         20.00     99.600000
-------------------------------------------------------------------------------
a/ Analysis based on all two-day participant records in Test Survey 2001-2002
   with 2 days of valid drinking water records.

Custom demographics 1: Nursing infants
Sex: M/F-all/
All Races
Nursing Status (Ages <=3): Nursing.
Age-Low: 0 m  High: 11 m
--------------------------------------

Custom demographics 1: Nursing infants

No exposure for this subpopulation























